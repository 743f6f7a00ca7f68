#pragma once

#include <QMessageBox>
#include <QRect>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "author_deck.h"

class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class TargetPictureWidget;
class TessivarWindow;

// Writes the file whole or not at all: after a failure the old file is as it
// was. False, with the reason in `error`, when it failed.
bool SaveWhole(const std::filesystem::path& file, const std::string& text, QString* error);

// The instructor's window over a deck folder: the deck file's rows and the
// folder's pictures in a list (the deck's order first), the chosen picture
// with its target and the areas a target cannot use, the slide's text, and a
// line that says what to do; slides are drawn, moved, removed, tried and
// saved here.
class AuthorWindow : public QWidget {
  public:
    explicit AuthorWindow(std::filesystem::path folder, QWidget* parent = nullptr);
    ~AuthorWindow() override;

    const AuthorList& List() const { return list_; }
    // Writes deck.csv; says why when it cannot.
    bool Save();
    // Takes in the pictures put into the folder or taken out of it since.
    void Refresh();
    // Tries the deck as it stands from the chosen slide.
    void Play();
    // Asked when the window closes with unsaved changes; the desktop's
    // Save / Discard / Cancel question unless replaced.
    std::function<QMessageBox::StandardButton()> askToSave;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Load();
    void BuildWidgets();
    QLayout* PictureColumn();
    void Fill(int current);
    bool Missing(const AuthorEntry& entry) const;  // a slide whose picture is not there
    QString Label(std::size_t index) const;
    void ShowEntry();
    void FitPicture();
    void Guide();
    void TextTyped();
    void TargetDrawn(QRect drawn);
    void TargetKeyed(int arrow, Qt::KeyboardModifiers modifiers, QRect inView);
    void Changed();
    int Current() const;
    void Move(int by);
    void Dragged(int from, int to);
    void Remove();

    std::filesystem::path folder_;
    AuthorList list_;
    std::vector<std::string> columns_;   // the header row as read
    std::vector<std::string> pictures_;  // in the folder now
    std::string shownPicture_;
    // Why deck.csv must not be written over, when it exists but cannot be read.
    std::string unreadable_;
    QListWidget* slides_ = nullptr;
    QLabel* guide_ = nullptr;
    QLabel* zoom_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    TargetPictureWidget* picture_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    std::unique_ptr<TessivarWindow> trial_;
};
