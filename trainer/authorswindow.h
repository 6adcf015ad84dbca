#pragma once

#include <QWidget>

class QLabel;

namespace veritabula {

// The authors' page: the credits in aqua over a decorative background.
class TFormInfo : public QWidget
{
public:
    TFormInfo();

    QLabel* lblinfo = nullptr;
    QLabel* ImageBack = nullptr;
    QLabel* lblinfo2 = nullptr;

    void FormShow();

    static QString credits();
    static QString contactLine();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool backgroundRead_ = false;
};

} // namespace veritabula
