// The guidance notes of the hint box, joined from their pieces.
#pragma once

#include <QString>

namespace krv1::forms::hints {

QString Strength();
QString Slump();         // after choosing a slump entry: pumped concrete 12.0
QString SlumpCaption();  // over the slump caption: pumped concrete 10.0
QString Aggregate();
QString Moisture();
QString Admixture();
QString Cube();
QString Cylinder();

}  // namespace krv1::forms::hints
