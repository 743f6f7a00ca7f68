#include "exercise_panel_window.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "kymbral.h"

namespace {

constexpr int kPanelWidth = 300;
constexpr int kTickMilliseconds = 1000;

QLabel* WrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ExercisePanelWindow::ExercisePanelWindow(ExerciseRun& run, FormView& console)
    : QWidget(nullptr, Qt::Window), run_(run), console_(console) {
    setObjectName("ExercisePanel");
    setWindowTitle(QString(kymbral::kProgramName) + ": exercises");
    auto* layout = new QVBoxLayout(this);
    heading_ = WrappedLabel("TaskHeading", this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    task_ = WrappedLabel("TaskText", this);
    timeLeft_ = WrappedLabel("TimeLeft", this);
    auto* answers = new QFormLayout;
    for (int i = 0; i < kMostAnswers; ++i) {
        answers_[i] = new QLineEdit(this);
        answers_[i]->setObjectName(QString("Answer%1").arg(i));
        answerLabels_[i] = new QLabel(this);
        answerLabels_[i]->setBuddy(answers_[i]);
        answers->addRow(answerLabels_[i], answers_[i]);
        connect(answers_[i], &QLineEdit::returnPressed, this, [this] { Act(); });
    }
    action_ = new QPushButton(this);
    action_->setObjectName("TaskAction");
    connect(action_, &QPushButton::clicked, this, [this] { Act(); });
    verdict_ = WrappedLabel("Verdict", this);
    points_ = WrappedLabel("Points", this);
    for (QWidget* part : {static_cast<QWidget*>(heading_), static_cast<QWidget*>(task_),
                          static_cast<QWidget*>(timeLeft_)}) {
        layout->addWidget(part);
    }
    layout->addLayout(answers);
    layout->addWidget(action_, 0, Qt::AlignLeft);
    layout->addWidget(verdict_);
    layout->addWidget(points_);
    layout->addStretch();
    setFixedWidth(kPanelWidth);

    console_.SetAfterEvent([this] {
        if (run_.Revision() != shownRevision_) Show(PanelOf(run_));
    });
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, [this] { console_.Dispatch([this] { run_.Tick(); }); });
    Show(PanelOf(run_));
}

void ExercisePanelWindow::Open() {
    QRect console = console_.frameGeometry();
    resize(kPanelWidth, console_.height());
    move(console.right() + 1, console.top());
    show();
    clock_->start(kTickMilliseconds);
}

void ExercisePanelWindow::Act() {
    if (!action_->isVisible()) return;
    std::vector<std::string> typed;
    for (QLineEdit* answer : answers_) typed.push_back(answer->text().toStdString());
    console_.Dispatch([this, typed] { run_.Act(typed); });
}

void ExercisePanelWindow::Show(const ExercisePanel& panel) {
    shownRevision_ = run_.Revision();
    if (panel == shown_) return;
    bool newTask = panel.heading != shown_.heading;
    heading_->setText(Text(panel.heading));
    task_->setText(Text(panel.task));
    timeLeft_->setText(Text(panel.timeLeft));
    timeLeft_->setVisible(!panel.timeLeft.empty());
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        bool used = i < panel.answers.size();
        answerLabels_[i]->setText(used ? Text(panel.answers[i]) : QString());
        answerLabels_[i]->setVisible(used);
        answers_[i]->setVisible(used);
        if (newTask) answers_[i]->clear();
    }
    action_->setText(Text(panel.action));
    action_->setVisible(!panel.action.empty());
    verdict_->setText(Text(panel.verdict));
    points_->setText(Text(panel.points));
    shown_ = panel;
}
