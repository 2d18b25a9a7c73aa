// The rules window: how to play, with a photograph of the puzzle. Modal, built at each opening
// and placed relative to the main window.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

class QLabel;
class QPlainTextEdit;

namespace kelvora::ui {

// Where the rules window's left and top edges go, in twips, for a main window at (left, top)
// with the given outer size in twips: a tenth of the outer size (rounded half to even, the
// remainder of the division dropped) in from the main window's edges.
QPoint RulesWindowPlace(double left, double top, double outerWidth, double outerHeight);

class Form2 : public QDialog {
  Q_OBJECT

 public:
  explicit Form2(QWidget& mainWindow);

  QLabel* Label1() const { return label1_; }
  QPlainTextEdit* Text2() const { return text2_; }
  QLabel* Image1() const { return image1_; }
  QLabel* Label2() const { return label2_; }

 private:
  // Where the main window stands now decides where the rules window opens.
  void PlaceBesides(QWidget& mainWindow);

  QLabel* label1_;
  QPlainTextEdit* text2_;
  QLabel* image1_;
  QLabel* label2_;
};

}  // namespace kelvora::ui
