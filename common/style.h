#pragma once

#include <QProxyStyle>

namespace common {

// The programs' style: the style Qt chose, with one difference. A menu bar
// asks for the icon of its extension button (the button that shows only when
// the menus do not fit the bar) as soon as it is made, and reading that icon
// has Qt load every image plugin on the machine to ask whether it knows the
// icon's format. This style hands out icons for the extension buttons that
// fetch the real ones from the style they stand for when first drawn.
class Style : public QProxyStyle
{
public:
    // Takes ownership of BASE.
    explicit Style(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Sets the programs' style on the application, over a new instance of the
// style it has.
void useProgramStyle();

} // namespace common
