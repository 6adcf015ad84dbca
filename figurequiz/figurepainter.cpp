#include "figurepainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <array>
#include <vector>

namespace figurinex {

namespace {

// The figure is designed in a box 100 wide and 140 high, y growing downwards.
constexpr qreal DesignWidth = 100.0;
constexpr qreal DesignHeight = 140.0;
constexpr qreal HeadRadius = 11.0;
constexpr qreal Stroke = 6.0;

struct LetterPose
{
    char16_t letter;
    FigurePose pose;
};

constexpr FigurePose standing(Legs legs, Arm left, Arm right)
{
    return FigurePose{Stance::Standing, legs, left, right};
}

constexpr FigurePose upsideDown(Legs legs, Arm left, Arm right)
{
    return FigurePose{Stance::UpsideDown, legs, left, right};
}

constexpr FigurePose other(Stance stance)
{
    return FigurePose{stance, Legs::Apart, Arm::SlantDown, Arm::SlantDown};
}

constexpr Legs A = Legs::Apart;
constexpr Legs S = Legs::Squared;

const std::array<LetterPose, 33>& letterPoses()
{
    static const std::array<LetterPose, 33> poses = {{
        {u'А', standing(A, Arm::SlantDown, Arm::SlantDown)},
        {u'Б', standing(A, Arm::SlantDown, Arm::RaisedUpOut)},
        {u'В', standing(A, Arm::RaisedUpOut, Arm::SlantDown)},
        {u'Г', standing(A, Arm::RaisedUpOut, Arm::RaisedUpOut)},
        {u'Д', standing(A, Arm::StraightOut, Arm::StraightOut)},
        {u'Е', standing(A, Arm::SlantDown, Arm::StraightOut)},
        {u'Ё', standing(A, Arm::StraightOut, Arm::SlantDown)},
        {u'Ж', standing(A, Arm::BentDown, Arm::BentDown)},
        {u'З', standing(A, Arm::BentUp, Arm::BentUp)},
        {u'И', standing(A, Arm::BentUp, Arm::BentDown)},
        {u'Й', standing(A, Arm::BentDown, Arm::BentUp)},
        {u'К', standing(A, Arm::HandOnWaist, Arm::BentUp)},
        {u'Л', standing(A, Arm::BentUp, Arm::HandOnWaist)},
        {u'М', standing(A, Arm::HandOnWaist, Arm::HandOnWaist)},
        {u'Н', other(Stance::RunningRight)},
        {u'О', other(Stance::RunningLeft)},
        {u'П', upsideDown(A, Arm::SlantDown, Arm::SlantDown)},
        {u'Р', other(Stance::SeatedFeetLeft)},
        {u'С', other(Stance::SeatedFeetRight)},
        {u'Т', upsideDown(S, Arm::StraightOut, Arm::StraightOut)},
        {u'У', standing(S, Arm::BentDown, Arm::BentDown)},
        {u'Ф', standing(S, Arm::BentUp, Arm::BentUp)},
        {u'Х', standing(S, Arm::BentUp, Arm::BentDown)},
        {u'Ц', standing(S, Arm::SlantDown, Arm::BentUp)},
        {u'Ч', standing(S, Arm::RaisedUpOut, Arm::RaisedUpOut)},
        {u'Ш', standing(S, Arm::BentUp, Arm::HandOnWaist)},
        {u'Щ', standing(S, Arm::HandOnWaist, Arm::BentUp)},
        {u'Ъ', standing(S, Arm::SlantDown, Arm::RaisedUpOut)},
        {u'Ы', upsideDown(S, Arm::SlantDown, Arm::SlantDown)},
        {u'Ь', standing(S, Arm::RaisedUpOut, Arm::SlantDown)},
        {u'Э', standing(S, Arm::StraightOut, Arm::StraightOut)},
        {u'Ю', standing(S, Arm::SlantDownHandUp, Arm::SlantDownHandUp)},
        {u'Я', standing(S, Arm::StraightOut, Arm::RaisedUpOut)},
    }};
    return poses;
}

// The joints of the viewer's right arm, relative to the shoulder; the left
// arm is its mirror image.
std::vector<QPointF> rightArm(Arm arm)
{
    switch (arm) {
    case Arm::SlantDown:
        return {{22, 26}};
    case Arm::RaisedUpOut:
        return {{24, -24}};
    case Arm::StraightOut:
        return {{34, 0}};
    case Arm::BentUp:
        return {{19, 0}, {19, -18}};
    case Arm::BentDown:
        return {{19, 0}, {19, 18}};
    case Arm::HandOnWaist:
        return {{17, 15}, {3, 30}};
    case Arm::SlantDownHandUp:
        return {{22, 26}, {33, 13}};
    }
    return {};
}

class Strokes
{
public:
    explicit Strokes(bool mirrored) : mirrored_(mirrored) {}

    QPointF at(QPointF p) const { return mirrored_ ? QPointF(DesignWidth - p.x(), p.y()) : p; }

    void line(std::initializer_list<QPointF> points)
    {
        auto it = points.begin();
        path_.moveTo(at(*it));
        for (++it; it != points.end(); ++it)
            path_.lineTo(at(*it));
    }

    void arm(QPointF shoulder, const std::vector<QPointF>& joints, bool left)
    {
        path_.moveTo(at(shoulder));
        for (QPointF joint : joints) {
            if (left)
                joint.setX(-joint.x());
            path_.lineTo(at(shoulder + joint));
        }
    }

    void head(QPointF centre) { head_ = at(centre); }

    const QPainterPath& path() const { return path_; }
    QPointF headCentre() const { return head_; }

private:
    bool mirrored_;
    QPainterPath path_;
    QPointF head_;
};

// Standing and upside-down figures: the body is drawn upright and flipped
// when the figure stands on its head; the arms are not flipped, since they
// are described as the viewer sees them.
void buildUpright(Strokes& s, const FigurePose& pose)
{
    const bool flip = pose.stance == Stance::UpsideDown;
    auto y = [flip](qreal v) { return flip ? DesignHeight - v : v; };

    s.head({50, y(17)});
    s.line({{50, y(28)}, {50, y(82)}});
    if (pose.legs == Legs::Apart) {
        s.line({{28, y(134)}, {50, y(82)}, {72, y(134)}});
    } else {
        s.line({{28, y(131)}, {40, y(131)}, {40, y(82)}, {60, y(82)}, {60, y(131)}, {72, y(131)}});
    }
    const QPointF shoulder(50, y(40));
    auto joints = [flip](Arm arm) {
        // Upside down, the shoulders are just above the head: arms slanting
        // down spread wider so that they clear it.
        if (flip && arm == Arm::SlantDown)
            return std::vector<QPointF>{{30, 17}};
        return rightArm(arm);
    };
    s.arm(shoulder, joints(pose.left), true);
    s.arm(shoulder, joints(pose.right), false);
}

void buildRunning(Strokes& s)
{
    s.head({61, 18});
    s.line({{58, 29}, {46, 80}});
    // Right arm thrown up and forward, left arm bent behind.
    s.line({{55, 41}, {84, 13}});
    s.line({{55, 41}, {36, 53}, {28, 39}});
    // Long stride: front leg reaching forward, back leg kicked up.
    s.line({{46, 80}, {68, 103}, {84, 134}});
    s.line({{46, 80}, {30, 106}, {10, 116}});
}

void buildSeated(Strokes& s)
{
    s.head({70, 44});
    s.line({{69, 56}, {62, 128}});
    // Knees raised towards the feet side, feet on the ground.
    s.line({{62, 128}, {32, 90}, {16, 131}, {6, 131}});
    // The arm propped on the ground behind the back.
    s.line({{67, 72}, {92, 131}});
}

} // namespace

bool operator==(const FigurePose& a, const FigurePose& b)
{
    return a.stance == b.stance && a.legs == b.legs && a.left == b.left && a.right == b.right;
}

QString cipherAlphabet()
{
    QString letters;
    for (const LetterPose& entry : letterPoses())
        letters += QChar(entry.letter);
    return letters;
}

bool figurePoseFor(QChar letter, FigurePose* pose)
{
    const QChar upper = letter.toUpper();
    for (const LetterPose& entry : letterPoses()) {
        if (QChar(entry.letter) == upper) {
            if (pose)
                *pose = entry.pose;
            return true;
        }
    }
    return false;
}

void paintFigure(QPainter& painter, const QRectF& box, const FigurePose& pose, const QColor& color)
{
    const bool mirrored =
        pose.stance == Stance::RunningLeft || pose.stance == Stance::SeatedFeetRight;
    Strokes strokes(mirrored);
    switch (pose.stance) {
    case Stance::Standing:
    case Stance::UpsideDown:
        buildUpright(strokes, pose);
        break;
    case Stance::RunningRight:
    case Stance::RunningLeft:
        buildRunning(strokes);
        break;
    case Stance::SeatedFeetLeft:
    case Stance::SeatedFeetRight:
        buildSeated(strokes);
        break;
    }

    const qreal scale = qMin(box.width() / DesignWidth, box.height() / DesignHeight);
    if (scale <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.center().x() - DesignWidth * scale / 2,
                      box.center().y() - DesignHeight * scale / 2);
    painter.scale(scale, scale);
    QPen pen(color, Stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(strokes.path());
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(strokes.headCentre(), HeadRadius, HeadRadius);
    painter.restore();
}

} // namespace figurinex
