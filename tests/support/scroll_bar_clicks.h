// Clicks on a part of a real scroll bar (an arrow or the trough), as a user makes them.
#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace velkor::testing {

inline void clickScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
  QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
}

}  // namespace velkor::testing
