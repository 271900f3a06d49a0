// The calculator's window: template 102 as Qt widgets, a thin view over
// MainModel. Each user action is forwarded to the model once; afterwards (and
// before every message box) the widgets are made to mirror the model.
#pragma once

#include <QDialog>
#include <QHash>
#include <memory>
#include <string>
#include <unordered_map>

#include "ui/dialog_host.h"
#include "ui/main_model.h"
#include "ui/qt/dialog_builder.h"

class QLabel;

namespace tolvo {

class MainWindow : public QDialog, private DialogHost {
    Q_OBJECT
  public:
    explicit MainWindow(HelpSearch help, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainModel& Model() const { return *model_; }
    QWidget* Control(int id) const { return built_.widgets.value(id); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;  // Escape
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
#if defined(_WIN32)
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

  private:
    // DialogHost
    void ShowMessage(std::string_view caption, std::string_view text) override;
    void PlaceOnClipboard(std::string_view text) override;
    bool OpenDocument(const std::filesystem::path& file) override;
    void RunAboutBox() override;
    bool RunCopyDialog(CopyModel& dialog) override;

    void Wire();
    // Runs one user action on the model, then mirrors it and ends the window if it has ended.
    template <typename Action>
    void Forward(Action&& action);
    void Mirror();
    void MirrorFitKindLabel();
    void OnFocusChanged(QWidget* old, QWidget* now);

    BuiltDialog built_;
    QHash<QWidget*, int> ids_;
    std::unique_ptr<MainModel> model_;
    std::unordered_map<int, std::string> shownTexts_;  // what each text widget shows, to skip unchanged ones
    std::string shownFitKind_ = "\x01";
    int busy_ = 0;  // model calls in progress: focus moves then are the view's own
    bool mirroring_ = false;
};

}  // namespace tolvo
