#pragma once
// The look the newer activities share, so that every screen reads the same from the back of a room:
// what the class must read is 18 pt bold or more, scale labels 12 pt bold, the teacher's option
// buttons as in the first activities.
#include "platform/controls.h"

namespace shell::look {

inline const platform::FontSpec kQuestion{QStringLiteral("Tahoma"), 22, true};
inline constexpr float kQuestionMinimum = 18;  // a long language may shrink a question this far
inline const platform::FontSpec kBig{QStringLiteral("Tahoma"), 28, true};        // numbers on the board
inline const platform::FontSpec kAnswer{QStringLiteral("Arial"), 26, true};      // the typed answer
inline const platform::FontSpec kKey{QStringLiteral("Arial"), 20, true};         // the pad's keys
inline const platform::FontSpec kCaption{QStringLiteral("Tahoma"), 18, true};    // captions the class reads
inline const platform::FontSpec kScale{QStringLiteral("Tahoma"), 12, true};      // scale and grid labels
inline const platform::FontSpec kOption{QStringLiteral("Tahoma"), 9.75f, true};  // the teacher's mode buttons

inline const QColor kText = platform::colors::Yellow;
inline const QColor kPage = platform::colors::Page;
inline const QColor kPaper{0xFF, 0xFF, 0xFF};      // squared paper, the 100-square
inline const QColor kPaperLine{0x9C, 0xC3, 0xE6};  // the squares' pale blue lines
inline const QColor kInk{0x10, 0x10, 0x10};
inline const QColor kHighlight{0xFF, 0x8C, 0x00};  // what the solution points at
inline const QColor kAnswerBox{0xFF, 0xFF, 0xE0};

// Shading colours of the grids and markers, told apart by a class at a distance.
inline const QColor kShades[] = {
    {0xFF, 0xE0, 0x3C},  // yellow
    {0x5E, 0xC8, 0xF0},  // sky blue
    {0x6C, 0xD0, 0x6C},  // green: where yellow and blue overlap
    {0xFF, 0x9E, 0xB0},  // pink
    {0xFF, 0xB0, 0x48},  // orange
    {0xC3, 0x9B, 0xF0},  // lilac
};

// The area an activity draws in: left of the right-hand buttons, above the number pad's place.
inline constexpr float kBoardLeft = 240;
inline constexpr float kBoardRight = 9750;
inline constexpr float kQuestionTop = 180;

}  // namespace shell::look
