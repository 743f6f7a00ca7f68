#pragma once

#include <QListWidget>

#include "controls.h"
#include "last_applied.h"

// A list shown from a ListBox model. Rows are rewritten in place, so the
// user's scroll position and selection survive a change of the items.
class ListBoxWidget : public QListWidget {
  public:
    ListBoxWidget(ListBox& model, QWidget* parent);

    void Sync();

  private:
    void SyncItems();

    ListBox& model_;
    LastApplied<ListBox> applied_;
};
