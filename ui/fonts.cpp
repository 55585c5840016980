#include "ui/fonts.h"

#include <QStringList>

namespace kelvoria {

void RegisterFontSubstitutes() {
    const QStringList substitutes = {"Liberation Sans", "DejaVu Sans"};
    QFont::insertSubstitutions("MS Sans Serif", substitutes);
    QFont::insertSubstitutions("Arial", substitutes);
}

QFont PanelFont(bool bold, bool underlined) {
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underlined);
    return font;
}

}  // namespace kelvoria
