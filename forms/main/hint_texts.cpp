#include "hint_texts.h"

#include <initializer_list>
#include <string_view>

#include "platform/utf8_text.h"
#include "text/hint_texts.h"

namespace krv1::forms::hints {
namespace {

QString Joined(std::initializer_list<std::string_view> pieces) {
    QString text;
    for (std::string_view piece : pieces) text += platform::FromUtf8(piece);
    return text;
}

}  // namespace

namespace h = text::hints;

QString Strength() { return Joined({h::kStrength}); }
QString Slump() { return Joined({h::kSlumpPiece1, h::kSlumpPiece2, h::kSlumpPumpPiece}); }
QString SlumpCaption() {
    return Joined({h::kSlumpPiece1, h::kSlumpPiece2, h::kSlumpCaptionPumpPiece});
}
QString Aggregate() {
    return Joined({h::kAggregatePiece1, h::kAggregatePiece2, h::kAggregatePiece3});
}
QString Moisture() { return Joined({h::kMoisturePiece1, h::kMoisturePiece2}); }
QString Admixture() { return Joined({h::kAdmixture}); }
QString Cube() { return Joined({h::kCube}); }
QString Cylinder() { return Joined({h::kCylinder}); }

}  // namespace krv1::forms::hints
