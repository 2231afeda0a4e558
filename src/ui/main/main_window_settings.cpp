// The main window's part of the stored settings: the values that live in its controls go in
// at start, with the routines the loaded values ask for, and come back at close.
#include <QGuiApplication>
#include <QScreen>

#include "session/commands.h"
#include "ui/dialogs/go_form.h"
#include "ui/dialogs/repl_form.h"
#include "ui/dialogs/search_dialogs.h"
#include "ui/main/main_window.h"
#include "ui/main/message_pane.h"
#include "ui/options/ext_group.h"
#include "ui/panel/operate_panel.h"

namespace quillet {

ScreenSize TQuilletForm::Screen() const {
  const QScreen* s = screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  if (s == nullptr) return {1024, 768};
  return {s->geometry().width(), s->geometry().height()};
}

void TQuilletForm::PutSettings(const StoredSettings& values) {
  panel_->PutSettings(values);
  LoadProgramOptions(MainOptValues{values.saveWindow, values.showHints, values.showPanel, values.options});
  extGroup_->SetDoAsk(values.extDoAsk);
  extGroup_->SetDoColor(values.extDoColor);
}

void TQuilletForm::RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded) {
  const StoredSettings& v = session_->settings();
  switch (handler) {
    case LoadHandler::SetDiapColor:
      panel_->SetDiapColor(v.options.diapClr);
      break;
    case LoadHandler::SetOperatePanel:
      panel_->ShowOperation(static_cast<OperationGroup>(v.operInd));
      break;
    case LoadHandler::CheckBox4Click:
    case LoadHandler::CheckBox12Click:
    case LoadHandler::CheckBox9Click:
    case LoadHandler::CheckBox14Click:
    case LoadHandler::CheckBox5Click:
      // The group ran its handlers when its values went in; the buttons follow the text now.
      panel_->SetFindErrButs(true);
      break;
    case LoadHandler::SetFullOpEditPanel:
      panel_->SetFullOpEditPanel(v.editGroup.goVisible);
      break;
    case LoadHandler::CheckBox13Click:
      panel_->RunNormalizeHandlers();
      break;
    case LoadHandler::SetOpPanelVisible:
      SetOpPanelVisible(loaded.panelVisible);
      break;
    case LoadHandler::SetWindowBounds:
      setWindowState(Qt::WindowNoState);
      resize(v.window.width, v.window.height);
      move(v.window.left, v.window.top);
      if (v.window.state == kWindowMaximized) setWindowState(Qt::WindowMaximized);
      if (v.window.state == kWindowMinimized) setWindowState(Qt::WindowMinimized);
      break;
    case LoadHandler::SetMessPaneHeight:
      pane_->SetPaneHeight(v.messPaneHeight);
      break;
    case LoadHandler::SetMessLook:
      pane_->ApplyLook(session_->MessLook());
      break;
    case LoadHandler::GoFormLoaded:
      // The dialogs take their stored values from the session.
      searchDialogs_->GoForm().LoadValues();
      searchDialogs_->ReplForm().LoadValues();
      break;
    default:
      break;
  }
}

void TQuilletForm::CollectSettings(StoredSettings& v) {
  panel_->CollectSettings(v);
  const MainOptValues options = ProgramOptionValues();
  v.saveWindow = options.saveWindow;
  v.showHints = options.showHints;
  v.showPanel = options.showPanel;
  v.options = options.options;
  v.extDoAsk = extGroup_->DoAsk();
  v.extDoColor = extGroup_->DoColor();
  v.panelVsbl = !panel_->isHidden();
  v.messPaneHeight = pane_->PaneHeight();
  // The restored rectangle of a minimized or maximized window.
  const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
  v.window.width = normal.width();
  v.window.height = normal.height();
  v.window.left = isMaximized() || isMinimized() ? normal.left() : pos().x();
  v.window.top = isMaximized() || isMinimized() ? normal.top() : pos().y();
  v.window.state = isMaximized() ? kWindowMaximized : isMinimized() ? kWindowMinimized : kWindowNormal;
}

void TQuilletForm::LoadProgramOptions(const MainOptValues& values) {
  mainOptForm1_->SetValues(values);
  SetShowHints(values.showHints);
  panel_->SetDiapColor(values.options.diapClr);
}

}  // namespace quillet
