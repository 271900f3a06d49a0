#include "ui/qt/finder_dialog.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace tolvo {
namespace {

std::optional<int> FinderResult(const FinderModel& model) {
    if (model.Closed()) return QDialog::Rejected;
    return std::nullopt;
}

}  // namespace

FinderDialog::FinderDialog(MainModel& main, QWidget* parent, std::function<void()> chosen)
    : QDialog(parent), model_(std::make_unique<FinderModel>(main)), chosen_(std::move(chosen)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    view_.emplace(*this, kFinderDialog, FinderResult);
    connect(Results(), &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = Results()->row(item);
        bool chose = false;
        view_->Forward([&] { chose = model_->OnChooseRow(row); });
        if (chose && chosen_) chosen_();
    });
    view_->Attach(*model_, [this] {
        MirrorRows();
        ShowLastMeasuredLine();
    });
}

QListWidget* FinderDialog::Results() const {
    return qobject_cast<QListWidget*>(Control(finder_dialog::kResults));
}

void FinderDialog::Follow() {
    model_->Refresh();
    view_->Mirror();
}

void FinderDialog::MirrorRows() {
    QStringList rows;
    for (const FinderRow& row : model_->Rows()) rows.append(ToQString(row.text));
    if (rows == shownRows_) return;
    shownRows_ = rows;
    QListWidget* list = Results();
    list->clear();
    for (std::size_t k = 0; k < model_->Rows().size(); ++k) {
        auto* item = new QListWidgetItem(rows[static_cast<qsizetype>(k)], list);
        // The lines between the pairs can be neither selected nor chosen.
        if (!model_->Rows()[k].fit) item->setFlags(Qt::ItemIsEnabled);
    }
}

void FinderDialog::ShowLastMeasuredLine() {
    // The pairs come last: the newest measured part's lines are at the end.
    if (auto* results = MeasuredResults()) {
        QScrollBar* bar = results->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
}

QPlainTextEdit* FinderDialog::MeasuredResults() const {
    return qobject_cast<QPlainTextEdit*>(Control(finder_dialog::kMeasuredResults));
}

void FinderDialog::reject() {
    if (model_->Closed()) return QDialog::reject();
    view_->Forward([&] { model_->OnEscape(); });
}

void FinderDialog::keyPressEvent(QKeyEvent* event) {
    // Enter chooses a row in the list (which reports it itself) and presses no button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tolvo
