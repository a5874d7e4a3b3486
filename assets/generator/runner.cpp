// Six frames of a galloping cheetah facing right, stacked vertically, each 131 x 60 on field green.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

namespace gen {
namespace {

constexpr int kFrameW = 131;
constexpr int kFrameH = 60;
constexpr int kFrames = 6;

const QColor kFur(228, 170, 66);
const QColor kFurBack(204, 138, 42);
const QColor kBelly(250, 234, 190);
const QColor kFarLimb(180, 124, 48);
const QColor kOutline(58, 36, 16);
const QColor kSpot(34, 24, 14);
constexpr double kOutlineWidth = 1.7; // half of it shows outside the fill

// Angles are degrees from straight down; positive swings the segment forwards (to the right).
struct Pose {
    double spine; // hip to shoulder distance: long when stretched, short when gathered
    double arch;  // how far the loins bow up as the spine flexes
    double tilt;  // shoulder height minus hip height
    double hipY;  // height of the hips in the frame: the body bobs a little through the stride
    std::array<double, 3> nearFore, farFore;
    std::array<double, 4> nearHind, farHind;
    double tailLift;
};

// A rotary gallop from full extension through the gathered flight and back.
constexpr std::array<Pose, kFrames> kPoses = {{
    // 0: stretched flight, fore legs reaching, hind legs trailing
    {44, 0, 0, 21.0, {62, 80, 100}, {50, 66, 92}, {-38, -82, -98, -105}, {-28, -72, -88, -98}, 2},
    // 1: fore paw strikes ahead, hind legs fold and swing forwards
    {42, 2, 1, 23.0, {28, 16, 78}, {48, 62, 90}, {8, -72, -15, 25}, {-6, -80, -32, 0}, 1},
    // 2: gathering over the fore legs
    {38, 4, 0, 20.0, {-12, -20, -80}, {16, 6, 72}, {36, -36, 12, 50}, {26, -48, 0, 38}, 3},
    // 3: collected flight, legs crossed under the bowed back
    {33, 6.5, -1, 22.0, {-30, -95, -140}, {-18, -75, -118}, {62, 18, 66, 92}, {52, 8, 52, 86}, 5},
    // 4: hind paws land far forward under the belly
    {36, 6, -2, 21.5, {22, -45, -25}, {38, -10, 30}, {42, -10, 28, 86}, {58, 12, 56, 90}, 4},
    // 5: pushing off, fore legs reaching out again
    {42, 2, -1, 21.5, {48, 56, 86}, {38, 40, 76}, {-12, -40, -45, -90}, {2, -34, -42, -86}, 2},
}};

QPointF direction(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {std::sin(a), std::cos(a)};
}

struct Limb {
    std::vector<QPointF> joints;
    std::vector<double> radii;
    std::vector<QPainterPath> parts;
};

Limb buildLimb(QPointF root, const double* angles, const double* lengths, const double* radii, int segments) {
    Limb limb;
    limb.joints.push_back(root);
    limb.radii.assign(radii, radii + segments + 1);
    for (int i = 0; i < segments; ++i)
        limb.joints.push_back(limb.joints.back() + lengths[i] * direction(angles[i]));
    for (int i = 0; i < segments; ++i)
        limb.parts.push_back(taperedSegment(limb.joints[static_cast<std::size_t>(i)], radii[i],
                                            limb.joints[static_cast<std::size_t>(i) + 1], radii[i + 1]));
    return limb;
}

constexpr double kForeLen[3] = {13.5, 12.5, 5.2};
constexpr double kForeRad[4] = {4.9, 3.0, 2.3, 1.9};
constexpr double kHindLen[4] = {14.0, 13.0, 8.5, 4.0};
constexpr double kHindRad[5] = {7.6, 3.8, 2.5, 2.0, 1.8};

// Everything of one frame, in frame coordinates before the vertical placement.
struct Cheetah {
    QPointF hip, shoulder, u, n, head;
    QPainterPath body, neck, headShape;
    std::vector<QPainterPath> ears;
    Limb nearFore, farFore, nearHind, farHind;
    std::vector<QPainterPath> tail;
    std::vector<QColor> tailColours;

    QPointF local(double x, double y) const { return hip + x * u + y * n; }
};

Cheetah build(const Pose& pose) {
    Cheetah c;
    const double run = std::sqrt(pose.spine * pose.spine - pose.tilt * pose.tilt);
    constexpr double kMidX = 67.0;
    c.hip = QPointF(kMidX - run / 2, 0);
    c.shoulder = QPointF(kMidX + run / 2, pose.tilt);
    c.u = (c.shoulder - c.hip) / pose.spine;
    c.n = QPointF(-c.u.y(), c.u.x());
    const double L = pose.spine;
    const double a = pose.arch;
    const std::vector<QPointF> outline = {
        c.local(-7.0, -7.0),            // root of the tail
        c.local(1.5, -10.2),            // over the hips
        c.local(L * 0.5, -9.2 - a),     // loins, bowed up when the spine flexes
        c.local(L - 1.0, -11.8),        // withers
        c.local(L + 7.5, -7.5),         // base of the neck
        c.local(L + 11.0, 1.0),         // chest
        c.local(L + 3.5, 12.2),         // brisket, the deepest point
        c.local(L - 7.5, 10.8),         //
        c.local(L * 0.42, 5.0 - a / 2), // tucked-up waist
        c.local(3.0, 9.2),              // flank
        c.local(-6.5, 5.0),             //
        c.local(-10.5, -1.2),           // back of the rump
    };
    c.body = smoothClosedCurve(outline);

    // The head stays level while the body rocks beneath it, as a hunting cat's does.
    c.head = c.shoulder + QPointF(20.0, -4.0);
    c.neck = taperedSegment(c.local(L + 3.5, -3.8), 7.6, c.head + QPointF(-3.0, 1.2), 4.2);
    c.headShape.addEllipse(c.head, 7.0, 5.6);
    QPainterPath cranium, muzzle;
    cranium.addEllipse(c.head + QPointF(-0.8, -0.9), 5.6, 5.2);
    muzzle.addEllipse(c.head + QPointF(5.6, 1.9), 4.3, 3.4);
    c.headShape = c.headShape.united(cranium).united(muzzle);
    for (const QPointF offset : {QPointF(-0.9, -6.0), QPointF(-4.0, -5.2)}) {
        QPainterPath ear;
        ear.addEllipse(c.head + offset, 2.4, 2.1);
        c.ears.push_back(ear);
    }

    c.nearFore = buildLimb(c.local(L + 1.0, 4.5), pose.nearFore.data(), kForeLen, kForeRad, 3);
    c.farFore = buildLimb(c.local(L - 1.5, 4.0), pose.farFore.data(), kForeLen, kForeRad, 3);
    c.nearHind = buildLimb(c.local(0.5, 1.8), pose.nearHind.data(), kHindLen, kHindRad, 4);
    c.farHind = buildLimb(c.local(-1.5, 1.2), pose.farHind.data(), kHindLen, kHindRad, 4);

    // Long tail held out behind as a rudder, lifting towards the ringed tip.
    const QPointF root = c.local(-7.5, -3.5);
    const QPointF p1 = root + QPointF(-9, 4), p2 = root + QPointF(-19, 8),
                  p3 = root + QPointF(-28, 3 - pose.tailLift);
    constexpr int kTailSteps = 15;
    std::vector<QPointF> points;
    for (int i = 0; i <= kTailSteps; ++i) {
        const double t = double(i) / kTailSteps, s = 1 - t;
        points.push_back(s * s * s * root + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3);
    }
    for (int i = 0; i < kTailSteps; ++i) {
        const double r0 = 2.8 - 0.9 * i / kTailSteps, r1 = 2.8 - 0.9 * (i + 1) / kTailSteps;
        c.tail.push_back(taperedSegment(points[static_cast<std::size_t>(i)], r0,
                                        points[static_cast<std::size_t>(i) + 1], r1));
        QColor colour = kFur;
        if (i >= 8)
            colour = (i % 2 == 0) ? kSpot : kFur;
        if (i == kTailSteps - 1)
            colour = QColor(250, 246, 236);
        c.tailColours.push_back(colour);
    }
    return c;
}

QRectF inkBounds(const Cheetah& c) {
    QRectF r = c.body.boundingRect() | c.neck.boundingRect() | c.headShape.boundingRect();
    for (const Limb* limb : {&c.nearFore, &c.farFore, &c.nearHind, &c.farHind})
        for (const QPainterPath& part : limb->parts)
            r |= part.boundingRect();
    for (const QPainterPath& part : c.tail)
        r |= part.boundingRect();
    for (const QPainterPath& ear : c.ears)
        r |= ear.boundingRect();
    return r.adjusted(-kOutlineWidth / 2, -kOutlineWidth / 2, kOutlineWidth / 2, kOutlineWidth / 2);
}

void strokeAndFill(QPainter& p, const std::vector<QPainterPath>& parts, const QBrush& fill) {
    p.setPen(QPen(kOutline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& part : parts)
        p.drawPath(part);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    for (const QPainterPath& part : parts)
        p.drawPath(part);
}

struct Spot {
    double t, v, r; // along the part (0..1), across it (-1..1), radius
};

// Spots on a jittered grid: random placement clumps and reads as dirt, a grid reads as a coat.
std::vector<Spot> coatPattern(Lcg& rng, int along, int across, double maxAcross) {
    std::vector<Spot> spots;
    for (int j = 0; j < across; ++j)
        for (int i = 0; i < along; ++i) {
            const double stagger = (j % 2) * 0.5;
            const double t = (i + stagger + rng.uniform(0.2, 0.8)) / along;
            const double v = -1 + 2 * (j + rng.uniform(0.25, 0.75)) / across;
            const double r = rng.uniform(0.8, 1.15);
            if (v <= maxAcross)
                spots.push_back({t, v, r});
        }
    return spots;
}

void drawSpots(QPainter& p, const QPainterPath& clip, const std::vector<Spot>& spots,
               const std::function<QPointF(double, double)>& place) {
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(kSpot);
    for (const Spot& spot : spots)
        p.drawEllipse(place(spot.t, spot.v), spot.r, spot.r * 0.9);
    p.restore();
}

void drawCheetah(QPainter& p, const Pose& pose, const Cheetah& c) {
    // Far legs sit behind everything and are shaded darker, so the near pair reads in front.
    std::vector<QPainterPath> far = c.farHind.parts;
    far.insert(far.end(), c.farFore.parts.begin(), c.farFore.parts.end());
    strokeAndFill(p, far, kFarLimb);

    p.setPen(QPen(kOutline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& part : c.tail)
        p.drawPath(part);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < c.tail.size(); ++i) {
        p.setBrush(c.tailColours[i]);
        p.drawPath(c.tail[i]);
    }

    std::vector<QPainterPath> near = {c.body, c.neck, c.headShape};
    near.insert(near.end(), c.ears.begin(), c.ears.end());
    near.insert(near.end(), c.nearHind.parts.begin(), c.nearHind.parts.end());
    near.insert(near.end(), c.nearFore.parts.begin(), c.nearFore.parts.end());
    strokeAndFill(p, near, kFur);

    // Darker back fading to a cream belly, across the body whatever its tilt.
    QLinearGradient shade(c.local(pose.spine / 2, -10), c.local(pose.spine / 2, 9));
    shade.setColorAt(0.0, kFurBack);
    shade.setColorAt(0.45, kFur);
    shade.setColorAt(1.0, kBelly);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(c.body);
    p.drawPath(c.neck);
    // The near limbs go over the belly again, with a faint contour round the thigh muscle.
    p.setBrush(kFur);
    for (const QPainterPath& part : c.nearHind.parts)
        p.drawPath(part);
    for (const QPainterPath& part : c.nearFore.parts)
        p.drawPath(part);
    p.setPen(QPen(QColor(120, 80, 30, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(c.nearHind.parts[0]);
    p.setPen(Qt::NoPen);
    p.setBrush(kFur);
    p.drawPath(c.nearHind.parts[1]);

    // The same seed every frame keeps each spot in its place on the coat as the cat moves.
    Lcg rng(20240611);
    const std::vector<Spot> coat = coatPattern(rng, 13, 6, 0.45);
    drawSpots(p, c.body.united(c.neck), coat,
              [&](double t, double v) { return c.local(-9 + t * (pose.spine + 20), v * 11.0); });
    for (const Limb* limb : {&c.nearHind, &c.nearFore}) {
        const QPainterPath clip = limb->parts[0].united(limb->parts[1]);
        const std::vector<Spot> legSpots = coatPattern(rng, 4, 2, 1.0);
        drawSpots(p, clip, legSpots, [&](double t, double v) {
            const QPointF a = limb->joints[0], b = limb->joints[2];
            const QPointF along = b - a;
            const QPointF across = QPointF(-along.y(), along.x()) / std::hypot(along.x(), along.y());
            return a + (0.15 + t * 0.75) * along + v * limb->radii[1] * across;
        });
    }

    // Face: dark-backed ears, pale muzzle, eye, the black tear line down to the mouth, nose.
    const QPointF h = c.head;
    p.setPen(Qt::NoPen);
    p.setBrush(kSpot);
    p.drawEllipse(h + QPointF(-0.9, -5.9), 1.2, 1.05);
    p.drawEllipse(h + QPointF(-4.0, -5.1), 1.2, 1.05);
    // Cheek line: separates the head from the neck at this size better than any shading.
    QPainterPath cheek;
    cheek.moveTo(h + QPointF(-4.6, -3.2));
    cheek.quadTo(h + QPointF(-6.4, 1.6), h + QPointF(-2.2, 5.0));
    p.setPen(QPen(QColor(110, 70, 26, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cheek);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 224, 180));
    p.drawEllipse(h + QPointF(6.4, 3.2), 2.8, 1.6);
    p.drawEllipse(h + QPointF(2.8, -2.2), 1.7, 1.1);
    p.setBrush(QColor(20, 14, 8));
    p.drawEllipse(h + QPointF(3.0, -1.3), 1.2, 1.1);
    p.drawEllipse(h + QPointF(9.8, 0.8), 1.35, 1.15);
    QPainterPath tear;
    tear.moveTo(h + QPointF(3.7, -0.5));
    tear.quadTo(h + QPointF(4.0, 3.0), h + QPointF(7.0, 4.9));
    p.setPen(QPen(QColor(20, 14, 8), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tear);
    p.setPen(QPen(QColor(70, 40, 20), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h + QPointF(7.0, 4.9), h + QPointF(9.6, 4.4));
}

} // namespace

QImage drawRunnerStrip(int scale) {
    QImage strip(kFrameW * scale, kFrameH * kFrames * scale, QImage::Format_RGB32);
    strip.fill(kFieldGreen);
    for (int k = 0; k < kFrames; ++k) {
        const Pose& pose = kPoses[static_cast<std::size_t>(k)];
        Cheetah c = build(pose);
        const double dy = pose.hipY;
        const QRectF ink = inkBounds(c).translated(0, dy);
        if (ink.left() < 2.5 || ink.right() > kFrameW - 2.5 || ink.top() < 2.5 ||
            ink.bottom() > kFrameH - 2.5)
            throw std::runtime_error("runner frame " + std::to_string(k) + " leaves its green margin: x " +
                                     std::to_string(ink.left()) + ".." + std::to_string(ink.right()) +
                                     ", y " + std::to_string(ink.top()) + ".." +
                                     std::to_string(ink.bottom()));
        // Each frame is painted through its own clip so nothing can spill into a neighbour.
        QImage frame(kFrameW * scale, kFrameH * scale, QImage::Format_RGB32);
        frame.fill(kFieldGreen);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        if (scale != 1)
            p.scale(scale, scale);
        p.translate(0, dy);
        drawCheetah(p, pose, c);
        p.end();
        QPainter s(&strip);
        s.drawImage(0, k * kFrameH * scale, frame);
    }
    return strip;
}

} // namespace gen
