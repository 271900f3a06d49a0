// The copy dialog (template 130) as Qt widgets over CopyModel.
#pragma once

#include <QDialog>
#include <QHash>

#include "ui/copy_model.h"
#include "ui/qt/dialog_builder.h"

namespace tolvo {

class CopyDialog : public QDialog {
    Q_OBJECT
  public:
    CopyDialog(CopyModel& model, QWidget* parent);
    ~CopyDialog() override;

    QWidget* Control(int id) const { return built_.widgets.value(id); }

  protected:
    void reject() override;  // Escape and the close box

  private:
    template <typename Action>
    void Forward(Action&& action);
    void Mirror();

    CopyModel& model_;
    BuiltDialog built_;
    QHash<QWidget*, int> ids_;
    bool mirroring_ = false;
};

}  // namespace tolvo
