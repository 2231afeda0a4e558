// The report window ("Отчёт"): the report text in a read-only pane that keeps its indents, and
// OK. It widens once, the first time it is shown, and keeps that width afterwards.
#pragma once

#include <QDialog>

#include <string>

class QPlainTextEdit;
class QPushButton;

namespace quillet {

class TReportForm : public QDialog {
  Q_OBJECT

 public:
  // The designed size.
  static constexpr int kDesignWidth = 320;
  static constexpr int kDesignHeight = 400;

  explicit TReportForm(QWidget* parent = nullptr);

  // The report text (UTF-8, lines separated by line feeds).
  void SetReportText(const std::string& utf8Text);
  // SwitchWide (wide), the caption, and the text pane repainted.
  void SetStart(bool wide, const QString& caption);
  // Wide: the first time (tag 0) the designed width goes into the tag and the width becomes
  // the smaller of half the screen and twice the designed width. Not wide: back to the tag's
  // width. A changed width centres the window horizontally (when that leaves it on screen).
  void SwitchWide(bool wide);
  // The whole showing of the "Отчёт" command: the text, SetStart (true, "Отчёт"), modal.
  int ShowReport(const std::string& utf8Text);

  int Tag() const { return tag_; }
  QPlainTextEdit* RichEdit1() const { return richEdit1_; }
  QPushButton* BitBtn1() const { return bitBtn1_; }

 private:
  int ScreenWidth() const;

  QPlainTextEdit* richEdit1_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
  int tag_ = 0;
};

}  // namespace quillet
