// The labels of every popup list of the three dialogs, in list order; an
// entry's id is its position. Transcribed from the settings tables, leading
// and trailing spaces kept.
#pragma once

#include <string>
#include <vector>

namespace tovrins::dialogs_test {

// 15 entries
inline const std::vector<std::string> kRotateCentre = {
    " Copies center default",
    " Path(s) top ",
    " Use user defined center ",
    " Flipback ",
    " Path center ",
    " Document's center ",
    " Path split increase",
    " Center alternate radius",
    " Path worm ",
    " Radius splitter ",
    " Average of paths ",
    " Last created path ",
    " Randomised ",
    " Alternate flip ",
    " xxxxx ",
};
// 17 entries
inline const std::vector<std::string> kRotateAngle = {
    " Rotation options - default",
    " Rotation as set",
    " Full circle",
    " Semi circle",
    " Quarter circle",
    " Decreasing rotation",
    " Increasing rotation",
    " Slow start rotation",
    " Slow down rotation",
    " Skip",
    " Random translation",
    " Subtle change",
    " Total random <=",
    " Total random either way",
    " Limited range",
    " Either way rotation",
    " Doubled rotation",
};
// 15 entries
inline const std::vector<std::string> kRotateRadial = {
    " Ignore radial translation",
    " Radial translation as set",
    " Radius translation uniform",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random",
    " Rapid fire",
    " Random <=",
    " Jitter",
    " Radius limits",
    " Either way radius",
    " Doubled",
};
// 15 entries
inline const std::vector<std::string> kRotateHorizontal = {
    " Ignore horizontal translation",
    " Horizontal translation as set",
    " Uniform",
    " Decreasing",
    " Increasing",
    " Slowstart",
    " Slowdown",
    " Skip a beat",
    " Random",
    " Rapid",
    " Random <= ",
    " Jitter",
    " Limit",
    " Either",
    " Doubled distance",
};
// 15 entries
inline const std::vector<std::string> kRotateVertical = {
    " Ignore vertical translation",
    " Vertical translation as set",
    " Uniform",
    " Decreasing",
    " Increasing",
    " Slowstart",
    " Slowdown",
    " Skip a beat",
    " Random",
    " Rapid",
    " Random <= ",
    " Jitter",
    " Limit",
    " Either",
    " Doubled distance",
};
// 3 entries
inline const std::vector<std::string> kRotateLayer = {
    " Layer options - new layers",
    " All paths on new layer",
    " No layers",
};
// 11 entries
inline const std::vector<std::string> kRotatePreset = {
    " Default/Reset",        " Bunched ", " Larger radius ", " Full circle ",     " Semi circle ",
    " Increasing rotation ", " Spiral",   " Random mess",    " Spiral staircase", " Full circle document centre",
    " Random spread",
};
// 14 entries
inline const std::vector<std::string> kScaleHorizontalScale = {
    " Horizontal scaling",
    " As set",
    " Accelerating",
    " Direction Reversed",
    " Skip",
    " Random",
    " Rapid",
    " Jumps",
    " Total random",
    " Threshold",
    " Either way",
    " Doubled alternate",
    " Addition",
    " Subtraction",
};
// 14 entries
inline const std::vector<std::string> kScaleVerticalScale = {
    " Vertical scaling",
    " As set",
    " Accelerating",
    " Direction reversed",
    " Skip",
    " Random",
    " Rapid",
    " Jumps",
    " Total random",
    " Threshold",
    " Either way",
    " Doubled alternate",
    " Addition",
    " Subtraction",
};
// 16 entries
inline const std::vector<std::string> kScaleHorizontalTranslation = {
    " Ignore horizontal translation",
    " Translation as set",
    " Translation (horizontal) uniform",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random *",
    " Rapid",
    " Random <= ",
    " Random either way",
    " Threshold",
    " Either way",
    " Doubled",
    " Uniform variant",
};
// 16 entries
inline const std::vector<std::string> kScaleVerticalTranslation = {
    " Ignore vertical translation",
    " Translation as set",
    " Translation (vertical) uniform",
    " Decreasing",
    " Increasing",
    " Slow Start",
    " Slow down",
    " Skip a beat",
    " Random *",
    " Rapid",
    " Random <= ",
    " Random either way",
    " Threshold",
    " Either way",
    " Doubled",
    " Uniform variant",
};
// 24 entries
inline const std::vector<std::string> kScaleCentre = {
    " Copies scaling center default",
    " Top left path",
    " Bottom right path",
    " + Random 100pts",
    " Circular 500pts (new)",
    " Circular 500pts (original)",
    " Use last created path",
    " (0,0)",
    " Document center",
    " Document left",
    " Document right",
    " Document bottom",
    " Document top",
    " Upwards",
    " Distant",
    " Average of all paths",
    " Random",
    " Bend",
    " Splitter 1",
    " Splitter 2",
    " Splitter 3",
    " Splitter 4",
    " Tentacle 1",
    " Tentacle 2",
};
// 3 entries
inline const std::vector<std::string> kScaleLayer = {
    " Layer options - Place on new layer",
    " All on layer",
    " No Layers",
};
// 8 entries
inline const std::vector<std::string> kScalePreset = {
    " Default/Reset", " Rapid scale ",     " Random placement ",
    " To the right ", " Apple core ",      " Scale to document centre ",
    " Tentacles ",    " Tentacles spread",
};
// 9 entries
inline const std::vector<std::string> kTranslatePreset = {
    " Default/Reset",  " To the right ", " To the left ", " Three pronged ", " Close right ",
    " Two per layer ", " Steps ",        " Split ",       " Rapid impact ",
};
// 30 entries
inline const std::vector<std::string> kTranslatePlacement = {
    " Translation settings",
    " Original path center",
    " Three pronged ",
    " Zigzag ",
    " Outward cross ",
    " Pyramid",
    " Steps ",
    " Two pronged",
    " Horizontal reflection ",
    " Vertical rotate reflect",
    " Vertical reflect",
    " Up-down ",
    " Random throughout document ",
    " Mission orbit",
    " Squared",
    " Do the twist",
    " Twister",
    " Lined",
    " Rotate variant",
    " Turn turn turn",
    " Squared spiral (path - Off)",
    " Tri-angled (path - Off)",
    " Center - xy - translate",
    " Center (document center approach",
    " Center (Last created approach",
    " Path alternate",
    " Alternate directions",
    " Path radius",
    " Alternate radius",
    " Opposites",
};
// 19 entries
inline const std::vector<std::string> kTranslateVariation = {
    " Translation variations",
    " Additional as set",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random",
    " Rapid",
    " Total random",
    " Total random but constrained",
    " Threshold",
    " Bounce back",
    " Drunken path",
    " Strange route",
    " Distance, rotation",
    " x-uniform, y-as is",
    " x-as is, y-uniform",
    " Increase 5",
};
// 3 entries
inline const std::vector<std::string> kTranslateLayer = {
    " Layer options - paths on new layers",
    " Layer all (selected)/path",
    " No Layers",
};
// 15 entries
inline const std::vector<std::string> kInterpolate = {
    " Interpolate 1",  " Interpolate 2",  " Interpolate 3",  " Interpolate 4",  " Interpolate 5",
    " Interpolate 6",  " Interpolate 7",  " Interpolate 8",  " Interpolate 9",  " Interpolate 10",
    " Interpolate 11", " Interpolate 12", " Interpolate 13", " Interpolate 14", " Interpolate 15",
};

} // namespace tovrins::dialogs_test
