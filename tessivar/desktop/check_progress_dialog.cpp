#include "check_progress_dialog.h"

#include "slide_show.h"

namespace {

constexpr int kShowAfterMs = 500;

}  // namespace

CheckProgressDialog::CheckProgressDialog(QWidget* parent) : dialog_(parent) {
    dialog_.setWindowTitle(tessivar::kProgramName);
    dialog_.setLabelText("Checking the deck's pictures...");
    dialog_.setCancelButton(nullptr);
    // Modal, so that it repaints while the check goes on.
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(true);
}

CheckProgress CheckProgressDialog::Callback() {
    return [this](std::size_t done, std::size_t total) {
        dialog_.setMaximum(static_cast<int>(total));
        dialog_.setLabelText(
            QString("Checking the deck's pictures: %1 of %2").arg(done).arg(total));
        dialog_.setValue(static_cast<int>(done));
    };
}
