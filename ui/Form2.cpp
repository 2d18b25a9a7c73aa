// Building and placing the rules window.
#include "ui/Form2.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <cmath>

#include "text/GameText.h"
#include "ui/GameFonts.h"
#include "ui/Twips.h"

namespace kelvora::ui {

namespace {

const QColor kPaper(255, 255, 192);

void Paint(QWidget& widget, QColor text, QColor background) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

QRect PxRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

// A tenth of an outer size in twips: rounded to a whole number, halves to even, then divided by
// ten with the remainder dropped.
long TenthOf(double twips) {
  return std::lrint(twips) / 10;
}

}  // namespace

QPoint RulesWindowPlace(double left, double top, double outerWidth, double outerHeight) {
  return QPoint(static_cast<int>(std::lrint(left) + TenthOf(outerWidth)),
                static_cast<int>(std::lrint(top) + TenthOf(outerHeight)));
}

Form2::Form2(QWidget& mainWindow) : QDialog(&mainWindow) {
  setWindowTitle(QString::fromUtf8(text::kRulesTitle));
  setWindowModality(Qt::ApplicationModal);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowSystemMenuHint);
  Paint(*this, Qt::black, kPaper);
  setFixedSize(Px(6930), Px(6930));

  label1_ = new QLabel(QString::fromUtf8(text::kRulesHeading), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(PxRect(480, 360, 5895, 495));
  label1_->setFont(GameFont(Face::kGothic, 32));
  label1_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  Paint(*label1_, QColor(0, 128, 0), QColor(192, 255, 192));

  text2_ = new QPlainTextEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setGeometry(PxRect(600, 1200, 5775, 2175));
  text2_->setFont(GameFont(Face::kGothic, 19));
  text2_->setPlainText(
      QString::fromUtf8(text::kRulesText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  text2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text2_->setReadOnly(true);
  // A thin sunken border and a one-pixel margin leave the longest line its full width, so the
  // seven lines stand unwrapped and all of them fit the box.
  text2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  text2_->setLineWidth(1);
  text2_->document()->setDocumentMargin(1);
  Paint(*text2_, QColor(64, 0, 0), kPaper);

  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setGeometry(PxRect(1800, 3600, 3000, 2220));
  image1_->setPixmap(QPixmap(QStringLiteral(":/pictures/rules.jpg")));
  image1_->setScaledContents(true);

  label2_ = new QLabel(QString::fromUtf8(text::kRulesMaker), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setGeometry(PxRect(1800, 6000, 3015, 375));
  label2_->setFont(GameFont(Face::kGothic, 21));
  label2_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  Paint(*label2_, QColor(255, 128, 128), kPaper);

  PlaceBesides(mainWindow);
}

void Form2::PlaceBesides(QWidget& mainWindow) {
  const QRect outer = mainWindow.frameGeometry();
  const QPoint place =
      RulesWindowPlace(outer.left() * kTwipsPerPixel, outer.top() * kTwipsPerPixel,
                       outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
  const auto toPixels = [](int twips) {
    return static_cast<int>(std::lrint(twips / double(kTwipsPerPixel)));
  };
  move(toPixels(place.x()), toPixels(place.y()));
}

}  // namespace kelvora::ui
