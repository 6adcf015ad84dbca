#include "authorswindow.h"
#include "messagebox.h"
#include "testsupport.h"

#include <QImageReader>
#include <QLabel>
#include <QtTest>

class AuthorsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadBothPortraitsAtEveryLoad();
};

void AuthorsWindowTest::shouldReadBothPortraitsAtEveryLoad()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, {"zorbo.jpg", "lirra.jpg"});
    QCOMPARE(folder.copied(), 2);
    common::MessageBoxRecorder recorder;
    figurinex::Form3 authors;
    QCOMPARE(authors.windowTitle(), QStringLiteral("Авторы"));
    QVERIFY(authors.Picture1->pixmap().isNull() && authors.Picture2->pixmap().isNull());
    authors.Form_Load();
    QCOMPARE(authors.Picture1->pixmap().size(), QImageReader("zorbo.jpg").size());
    QCOMPARE(authors.Picture2->pixmap().size(), QImageReader("lirra.jpg").size());

    // Loaded again, the window reads the files afresh.
    QImage small(24, 16, QImage::Format_RGB32);
    small.fill(QColor(0, 160, 0));
    QVERIFY(QFile::remove(folder.filePath("lirra.jpg")));
    QVERIFY(small.save(folder.filePath("lirra.jpg"), "JPG"));
    authors.Form_Load();
    QCOMPARE(authors.Picture2->pixmap().size(), QSize(24, 16));
    QCOMPARE(recorder.count(), 0);
}

QTEST_MAIN(AuthorsWindowTest)
#include "tst_authorswindow.moc"
