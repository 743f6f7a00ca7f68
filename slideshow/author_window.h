#pragma once

#include <QMessageBox>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "author_deck.h"

class QListWidget;
class QPlainTextEdit;
class TargetPictureWidget;
class TessivarWindow;

// Writes the file whole or not at all: after a failure the old file is as it
// was. False, with the reason in `error`, when it failed.
bool SaveWhole(const std::filesystem::path& file, const std::string& text, QString* error);

// The instructor's window over a deck folder: the pictures in a list (the
// deck's order first), the chosen one at its own size with its target, the
// slide's text; slides are drawn, moved, removed, tried and saved here.
class AuthorWindow : public QWidget {
  public:
    explicit AuthorWindow(std::filesystem::path folder, QWidget* parent = nullptr);
    ~AuthorWindow() override;

    const AuthorList& List() const { return list_; }
    // Writes deck.csv; says why when it cannot.
    bool Save();
    // Asked when the window closes with unsaved changes; the desktop's
    // Save / Discard / Cancel question unless replaced.
    std::function<QMessageBox::StandardButton()> askToSave;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Load();
    void BuildWidgets();
    void Fill(int current);
    void ShowEntry();
    void Changed();
    int Current() const;
    void Move(int by);
    void Remove();
    void Play();

    std::filesystem::path folder_;
    AuthorList list_;
    QListWidget* slides_ = nullptr;
    TargetPictureWidget* picture_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    std::unique_ptr<TessivarWindow> trial_;
};
