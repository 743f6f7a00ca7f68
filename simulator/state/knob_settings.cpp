#include "knob_settings.h"

#include "numtext.h"

void WriteShimLabels(Kymbral& k, int first, int last) {
    for (int i = first; i <= last; ++i) {
        k.form.ShimLabel[i].caption = IntegerText(k.state.*kKnobSettings[i]);
    }
}
