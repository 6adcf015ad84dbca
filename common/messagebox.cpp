#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace common {

namespace {

BoxHandler& currentHandler()
{
    static BoxHandler handler;
    return handler;
}

BoxAnswer showRealBox(const BoxRequest& request)
{
    QMessageBox box;
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    switch (request.icon) {
    case BoxIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case BoxIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case BoxIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (request.buttons == BoxButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton*>(yes) ? BoxAnswer::Yes
                                                                         : BoxAnswer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return BoxAnswer::Ok;
}

} // namespace

BoxAnswer showMessageBox(const QString& text, const QString& caption, BoxIcon icon,
                         BoxButtons buttons)
{
    const BoxRequest request{text, caption, icon, buttons};
    if (currentHandler())
        return currentHandler()(request);
    return showRealBox(request);
}

BoxHandler setMessageBoxHandler(BoxHandler handler)
{
    BoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    previous_ = setMessageBoxHandler([this](const BoxRequest& request) {
        boxes.push_back(request);
        if (onBox)
            onBox(request);
        if (!answers.empty()) {
            const BoxAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    setMessageBoxHandler(std::move(previous_));
}

} // namespace common
