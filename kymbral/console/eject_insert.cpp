#include "eject_insert.h"

#include "update_views.h"

void Eject_Click(Kymbral& k) {
    k.form.NMRTube.rect.top = kTubeEjectedTop;
    UpdateViews(k);
}

void Insert_Click(Kymbral& k) {
    k.form.NMRTube.rect.top = kTubeInsertedTop;
    UpdateViews(k);
}
