// The fit finder "はめあい検索" as a non-modal Qt dialog over FinderModel,
// which it owns: the template's widgets, the result list filled from the
// model's rows, a double click or Enter on a row choosing it.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "ui/finder_model.h"
#include "ui/qt/model_view.h"

class QListWidget;
class QPlainTextEdit;

namespace tolvo {

class FinderDialog : public QDialog {
    Q_OBJECT
  public:
    // chosen runs after a row has gone into the main window.
    FinderDialog(MainModel& main, QWidget* parent, std::function<void()> chosen);

    QWidget* Control(int id) const { return view_->Control(id); }
    QListWidget* Results() const;
    // The measured check's lines, always scrolled to the last.
    QPlainTextEdit* MeasuredResults() const;
    const FinderModel& Model() const { return *model_; }
    // The main window has changed: the model follows it, the widgets the model.
    void Follow();

  protected:
    void reject() override;  // Escape and the close box
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void MirrorRows();
    void ShowLastMeasuredLine();

    std::unique_ptr<FinderModel> model_;
    std::optional<ModelView<FinderModel>> view_;
    std::function<void()> chosen_;
    QStringList shownRows_;
};

}  // namespace tolvo
