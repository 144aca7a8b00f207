#pragma once

// The attributes of the host's 2-D texture nodes, by name, shared by the
// type announcements and the sampler that reads them.
//
//   texture2d (abstract)  uvCoord "uv" (uCoord "u", vCoord "v", floats), the
//                         point outColor is computed at; outColor "oc"
//                         (colour, computed); outTransparency "ot" (colour,
//                         always black: these textures are opaque)
//   file                  fileTextureName "ftn" (string): the image, read
//                         with bilinear filtering, repeating
//   checker               color1 "c1" (white) and color2 "c2" (black), in a
//                         4 x 4 checkerboard over the unit square
//   ramp                  colorEntryList "cel" (array of position "ep" along
//                         v, float, and color "ec", colour), blended linearly
//                         between neighbouring entries; black with no entries

namespace kavo::host::render::texture_attributes {

inline constexpr const char* kUvCoord = "uvCoord";
inline constexpr const char* kUCoord = "uCoord";
inline constexpr const char* kVCoord = "vCoord";
inline constexpr const char* kOutColor = "outColor";
inline constexpr const char* kOutTransparency = "outTransparency";
inline constexpr const char* kFileTextureName = "fileTextureName";
inline constexpr const char* kColor1 = "color1";
inline constexpr const char* kColor2 = "color2";
inline constexpr const char* kColorEntryList = "colorEntryList";
inline constexpr const char* kPosition = "position";
inline constexpr const char* kColor = "color";

} // namespace kavo::host::render::texture_attributes
