// The about window ("О программе Quillet..."): the program's name as a row of letter
// pictures, the title line, the version and the link to the maker's web page.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;

namespace quillet {

class TQuilletAbtFrm : public QDialog {
  Q_OBJECT

 public:
  // The letters of the logo, one picture a position.
  static constexpr const char* kLogoLetters = "Quillet";
  // The title line as designed and as set at start.
  static constexpr const char* kDesignedTitle = "Редактор субтитров SRT";
  static constexpr const char* kTitle = "Редактор Субтитров SRT";
  static constexpr const char* kVersion = "ver  1.031";
  static constexpr const char* kLinkText = "tannford.org/quillet";

  explicit TQuilletAbtFrm(QWidget* parent = nullptr);

  // Once at start: every position that repeats a letter takes the picture of that letter's
  // first position, and the title line gets its text.
  void setPics();

  // The letter picture of a position, Image1 … Image7.
  QLabel* Image(int number) const { return images_.at(number - 1); }
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }
  QLabel* Label3() const { return label3_; }

 signals:
  // The link was clicked: the maker's page is to be opened.
  void LinkClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QLabel*> images_;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
};

}  // namespace quillet
