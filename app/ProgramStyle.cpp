#include "app/ProgramStyle.h"

#include <QApplication>
#include <QProxyStyle>

namespace tolva {

namespace {

class ProgramStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void UseProgramStyle(QApplication& app) {
  // The proxy takes over the style in use; the application owns the proxy.
  app.setStyle(new ProgramStyle);
}

}  // namespace tolva
