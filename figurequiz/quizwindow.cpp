#include "quizwindow.h"

#include "authorswindow.h"
#include "cipherpictures.h"
#include "colours.h"
#include "formstyle.h"
#include "helpwindow.h"
#include "pictures.h"
#include "posecycle.h"
#include "programexit.h"
#include "units.h"
#include "windowframe.h"
#include "wordround.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QTimer>

#include <memory>

namespace figurinex {

namespace {

// The code table, for `image` to stretch to its size. At one device pixel per
// pixel the build has already stretched it to the size the window gives it,
// by the same smooth scaling the image applies, and stored the pixels bare:
// the start copies them and neither decodes nor scales anything. Otherwise the
// table is read as the BMP it is, without asking every image plugin there is
// whether it knows the data.
QPixmap codeTable(const QLabel* image)
{
    if (image->size() == QSize(CodeTableShownWidth, CodeTableShownHeight) &&
        image->devicePixelRatio() == 1) {
        const QResource shown(QStringLiteral(":/figurinex/codetable-shown.rgb32"));
        constexpr qsizetype lineBytes = CodeTableShownWidth * 4;
        if (shown.compressionAlgorithm() == QResource::NoCompression &&
            shown.size() == lineBytes * CodeTableShownHeight)
            return QPixmap::fromImage(QImage(shown.data(), CodeTableShownWidth,
                                             CodeTableShownHeight, lineBytes,
                                             QImage::Format_RGB32));
    }
    QImageReader reader(QStringLiteral(":/figurinex/codetable.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QLabel* makeImage(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromUtf8(name));
    image->setGeometry(common::twipsRect(left, top, width, height));
    image->setScaledContents(true);
    return image;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(common::twipsRect(9360, top, 1815, 615));
    button->setFont(formFont(13.5, true));
    button->setAutoDefault(false);
    return button;
}

// Shows the window, made and loaded first when there is none. A window closed
// with its close box waits for its deferred deletion; it counts as gone.
template <typename Window> void openOnFirstUse(QPointer<Window>& window)
{
    if (window && window->isHidden())
        delete window.data();
    if (!window) {
        // Form_Load may read a picture; if one is missing the program ends and
        // the window is never shown.
        auto made = std::make_unique<Window>();
        made->Form_Load();
        window = made.release();
    }
    common::showInFront(window);
}

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Figurinex"));
    resize(common::twips(11370), common::twips(8370));
    common::setGroundColour(this, common::LightOrange);

    Image1 = makeImage(this, "Image1", 240, 120, 2895, 8055);
    Image1->setPixmap(codeTable(Image1));

    Label1 = makeFormLabel(this, "Label1", QStringLiteral("Расшифруйте слова, пользуясь таблицей:"),
                           3240, 120, 8295, 375, 18, true);

    Picture2 = makePictureBox(this, "Picture2", 3240, 840, 7575, 1335);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(common::twipsRect(3240, 2400, 5295, 615));
    Text1->setFont(formFont(24, true));

    Label2 = makeFormLabel(this, "Label2", QString(), 3240, 3240, 5895, 855, 24, true);
    Label3 = makeFormLabel(this, "Label3", QString(), 3240, 4320, 6015, 1575, 24, true);
    // The fallback sans face is much wider than the one these lines were laid
    // out for; narrowed, the instruction and the count line fit their boxes
    // at their point sizes instead of being cut off.
    for (QLabel* label : {Label1, Label2}) {
        QFont narrow = label->font();
        narrow.setStretch(QFont::Condensed);
        label->setFont(narrow);
    }
    // The instruction's box is lower than a line of its face at 18 points:
    // a size whose descenders (р, у, щ) show within the box.
    Label1->setFont(fontWithinLineHeight(Label1->font(), Label1->contentsRect().height()));
    common::setTextColour(Label2, gridBrown());
    common::setTextColour(Label3, gridBrown());

    CommandSlovo = makeButton(this, "CommandSlovo", QStringLiteral("Слово"), 2760);
    CommandRez = makeButton(this, "CommandRez", QStringLiteral("Результат"), 3720);
    CommandСправка = makeButton(this, "CommandСправка", QStringLiteral("Справка"), 4680);
    Command1 = makeButton(this, "Command1", QStringLiteral("Авторы"), 5640);
    CommandExit = makeButton(this, "CommandExit", QStringLiteral("Выход"), 6600);

    Image2 = makeImage(this, "Image2", 4320, 6960, 1095, 1095);
    Image4 = makeImage(this, "Image4", 5400, 6960, 1095, 1095);
    Image3 = makeImage(this, "Image3", 6480, 6960, 1095, 1095);
    Image5 = makeImage(this, "Image5", 7560, 6960, 1095, 1095);

    setTabOrder(Text1, Picture2);
    setTabOrder(Picture2, CommandСправка);
    setTabOrder(CommandСправка, CommandRez);
    setTabOrder(CommandRez, CommandExit);
    setTabOrder(CommandExit, CommandSlovo);
    setTabOrder(CommandSlovo, Command1);
    Text1->setFocus();

    connect(CommandSlovo, &QPushButton::clicked, this, &Form1::CommandSlovo_Click);
    connect(CommandRez, &QPushButton::clicked, this, &Form1::CommandRez_Click);
    connect(CommandСправка, &QPushButton::clicked, this, &Form1::CommandСправка_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form1::CommandExit_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

Form1::~Form1()
{
    delete help_.data();
    delete authors_.data();
}

Form2* Form1::helpWindow() const
{
    return help_.data();
}

Form3* Form1::authorsWindow() const
{
    return authors_.data();
}

void Form1::CommandSlovo_Click()
{
    const int step = nextWordStep(WordStep);
    WordStep = step;
    // The picture comes first: when it cannot be read the program ends before
    // this press counts anything.
    const QPixmap picture = common::loadPicture(wordPictureFile(step));
    Picture2->setPixmap(picture);

    if (step == 1) {
        Correct = 0;
        Text1->clear();
        Text1->setEnabled(true);
        Label2->clear();
        Label3->clear();
        return;
    }
    const QString expected = roundWord(step == 0 ? WordsInRound : step - 1);
    if (isRightAnswer(Text1->text(), expected))
        ++Correct;
    if (step == 0) {
        Text1->setText(QStringLiteral("Узнай свой результат!"));
        // The text is wider than the field: its beginning shows, not its end.
        Text1->setCursorPosition(0);
        Text1->setEnabled(false);
    } else {
        Text1->clear();
    }
}

void Form1::CommandRez_Click()
{
    Label3->setText(verdictFor(Correct));
    Label2->setText(countLine(Correct));
}

void Form1::CommandСправка_Click()
{
    openOnFirstUse(help_);
}

void Form1::Command1_Click()
{
    openOnFirstUse(authors_);
}

void Form1::CommandExit_Click()
{
    common::exitProgram(0);
}

QLabel* Form1::imageForCounter(int counter) const
{
    switch (counter) {
    case 1:
        return Image2;
    case 2:
        return Image3;
    case 3:
        return Image4;
    default:
        return Image5;
    }
}

int& Form1::poseStep(int counter)
{
    switch (counter) {
    case 1:
        return PoseStep1;
    case 2:
        return PoseStep2;
    case 3:
        return PoseStep3;
    default:
        return PoseStep4;
    }
}

void Form1::Timer1_Timer()
{
    // Every image reads its file afresh at each tick, so a picture replaced on
    // disk shows at the next tick that selects it.
    for (int counter = 1; counter <= PoseCounters; ++counter) {
        int& value = poseStep(counter);
        value = nextPoseStep(counter, value);
        imageForCounter(counter)->setPixmap(common::loadPicture(posePictureFile(counter, value)));
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    event->accept();
}

} // namespace figurinex
