// A label that sets its caption at a fixed depth below its top edge and within its width,
// whatever the face: the layout was drawn for faces whose ascent is 7/8 of their size, and a
// substitute with a taller ascent or wider letters would otherwise push the caption out.
#pragma once

#include <QLabel>
#include <QStaticText>

namespace kelvora::ui {

class GameLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // Distance from the label's top edge to the caption's baseline.
  int Baseline() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The caption laid out once for as long as it stays the same, not at every paint.
  QStaticText laidOut_;
  QString laidOutText_;
  QFont laidOutFont_;
  qreal laidOutWidth_ = 0;
};

}  // namespace kelvora::ui
