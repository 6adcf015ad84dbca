#include "authorswindow.h"

#include "colours.h"
#include "fonts.h"
#include "pictures.h"

#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

namespace veritabula {

namespace {

QLabel* creditLabel(QWidget* parent, const char* name, int left, int top)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(common::classicFont(19));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    common::setTextColour(label, common::Aqua);
    label->move(left, top);
    return label;
}

} // namespace

QString TFormInfo::credits()
{
    return QStringLiteral("Тренажёр «Таблицы истинности» создан в школьном кружке\n"
                          "программирования для уроков информатики.\n"
                          "Задания и теорию подготовили учителя информатики,\n"
                          "программу написали и проверили участники кружка.\n"
                          "Рисунки нарисованы самой программой.");
}

QString TFormInfo::contactLine()
{
    return QStringLiteral("Вопросы и пожелания передавайте учителю информатики.");
}

TFormInfo::TFormInfo()
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("О разработчиках"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(common::classicFont(11));
    setFixedSize(709, 457);
    move(106, 142);

    lblinfo = creditLabel(this, "lblinfo", 24, 32);

    ImageBack = new QLabel(this);
    ImageBack->setObjectName(QStringLiteral("ImageBack"));
    ImageBack->setGeometry(0, 0, 713, 505);
    ImageBack->setAlignment(Qt::AlignCenter);
    ImageBack->lower();

    lblinfo2 = creditLabel(this, "lblinfo2", 24, 392);
}

void TFormInfo::FormShow()
{
    lblinfo->setText(credits());
    lblinfo->adjustSize();
    lblinfo2->setText(contactLine());
    lblinfo2->adjustSize();
}

void TFormInfo::showEvent(QShowEvent* event)
{
    // The background is decoded when the page is first shown, not at start,
    // where only the main menu is seen; it is there before the page is drawn.
    if (!backgroundRead_) {
        backgroundRead_ = true;
        // A missing or broken picture leaves the background empty.
        const QImage picture = common::readPictureFile(QStringLiteral("authors.jpg"));
        if (!picture.isNull()) {
            ImageBack->setPixmap(QPixmap::fromImage(
                picture.scaled(ImageBack->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
    }
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

} // namespace veritabula
