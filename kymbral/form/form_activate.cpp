#include "form_activate.h"

#include "update_views.h"

void Form_Activate(Kymbral& k) {
    UpdateViews(k);
}
