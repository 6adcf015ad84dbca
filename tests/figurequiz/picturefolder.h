#pragma once

#include "testsupport.h"

#include <QImage>
#include <QStringList>

class QLabel;

// A temporary current folder holding copies of the generated pictures, every
// one the program reads.
class PictureFolder : public testsupport::TemporaryCurrentFolder
{
public:
    PictureFolder();
    int copied = 0;
};

// Which of the generated pictures `candidates` a label shows: empty for
// none, "?" for a picture that is none of them.
QString shownPicture(const QLabel* label, const QStringList& candidates);
