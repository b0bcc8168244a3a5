#pragma once

#include <QList>
#include <QRgb>

// The icon's colours, shared by the hand-drawn small sizes and the painted large ones.
namespace IconInk {
constexpr QRgb Outline = 0xff3e1c04;
constexpr QRgb Bubble = 0xfffffdf4;
constexpr QRgb Question = 0xff1e3a8c;
constexpr QRgb Exclamation = 0xffc82418;
constexpr QRgb LightOrange = 0xffffc45c;
constexpr QRgb Orange = 0xfff58c1a;
constexpr QRgb DeepOrange = 0xffc85808;

inline const QList<QRgb> All = {Outline, Bubble, Question, Exclamation, LightOrange, Orange, DeepOrange};
} // namespace IconInk
