// Paints the demo game's portraits: a bust of a Sengoku-period figure before a backdrop, drawn
// with vector shapes so that one portrait comes out alike at 240 x 240, 96 x 120 and 60 x 60.
#pragma once

#include <QColor>
#include <QImage>

namespace demogame {

enum class PortraitKind {
  Warrior,  // topknot, helmet or headband; kimono, formal vest or armour
  Lady,     // long hair, ornaments, patterned kimono
  Culture,  // monks, tea masters, court nobles: shaved head, hood or tall cap, robes
};

enum class Headwear { Topknot, Helmet, Headband, Eboshi, Shaved, Hood, LongHair };
enum class Crest { None, Crescent, Horns, SunDisc, Flame };
enum class Garment { Kimono, Vest, Armour, Robe };
enum class Beard { None, Moustache, Goatee, Full, Stubble };
enum class Motif { None, Sun, Mountains, Mist, Screen };

struct Portrait {
  PortraitKind Kind = PortraitKind::Warrior;
  Headwear Head = Headwear::Topknot;
  Crest HelmetCrest = Crest::None;
  Garment Clothes = Garment::Kimono;
  Beard FacialHair = Beard::None;
  Motif Backdrop = Motif::None;
  QColor BackdropTop, BackdropBottom, Skin, Hair, Outer, Inner, Accent, HelmetColor;
  double FaceHalfWidth = 44;  // in a 240-wide drawing
  double FaceHalfHeight = 56;
  double JawWidth = 0.55;  // of the half width, at the chin
  int EyeStyle = 0;        // 0 almond, 1 narrow, 2 fierce, 3 calm (closed), 4 round
  int BrowStyle = 0;       // 0 thin, 1 thick, 2 raised, 3 bushy, 4 painted dots (court style)
  int MouthStyle = 0;      // 0 level, 1 stern, 2 smile
  double EyeSpacing = 19;
  bool Old = false;
  bool HasScar = false;
  bool HasFamilyCrest = false;
  bool HairUp = false;  // ladies: hair gathered in a bun instead of falling long
};

// A portrait of `kind`, all its features drawn from `seed` (the same seed, the same portrait).
Portrait MakePortrait(PortraitKind kind, unsigned seed);

// The portrait painted at width x height (any aspect: taller pictures show more of the body).
QImage PaintPortrait(const Portrait& portrait, int width, int height);

}  // namespace demogame
