#include "picturefiles.h"
#include "testsupport.h"

#include <QtTest>

#include <algorithm>

class PictureFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldNameTheTwentyEightFilesTheProgramReads();
};

void PictureFilesTest::shouldNameTheTwentyEightFilesTheProgramReads()
{
    QStringList expected = {// The word round and its end picture.
                            "компьютер.bmp", "программа.bmp", "сканер.bmp", "клавиатура.bmp",
                            "принтер.bmp", "процессор.bmp", "память.bmp", "мышь.bmp", "монитор.bmp",
                            "дискета.bmp", "всё.bmp",
                            // The letters of the four animated figures.
                            "а.bmp", "б.bmp", "в.bmp", "г.bmp", "д.bmp", "е.bmp", "ё.bmp", "н.bmp",
                            "о.bmp", "э.bmp", "ш.bmp", "щ.bmp", "п.bmp", "т.bmp", "ы.bmp",
                            // The two portraits of the authors window.
                            "zorbo.jpg", "lirra.jpg"};
    QStringList files = figurinex::pictureFiles();
    std::sort(expected.begin(), expected.end());
    std::sort(files.begin(), files.end());
    QCOMPARE(files, expected);
    QCOMPARE(figurinex::fileOfLetter(QChar(u'б')), QStringLiteral("б.bmp"));
    QCOMPARE(figurinex::fileOfWord(QStringLiteral("мышь")), QStringLiteral("мышь.bmp"));

    // The build lays every one of them out in the program's folder.
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, expected);
    QCOMPARE(folder.copied(), 28);
}

QTEST_APPLESS_MAIN(PictureFilesTest)
#include "tst_picturefiles.moc"
