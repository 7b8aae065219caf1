// What forms made in Qt Designer include for Tavorel.
//
// Designer writes an enumerated property as its namespace and key ("vuzedovi::AntiButton"),
// which names no value of the scoped enumerations; the constants below give those names their
// values, so that the code uic generates compiles. "vuzedovi::None" stands for the None of
// each of the three enumerations that have one.
#pragma once

#include "vuzedovi/Tavorel.h"

namespace vuzedovi {

inline constexpr constOrientation Horizontal = constOrientation::Horizontal;
inline constexpr constOrientation Vertical = constOrientation::Vertical;

inline constexpr constAlign LeftTop = constAlign::LeftTop;
inline constexpr constAlign LeftMiddle = constAlign::LeftMiddle;
inline constexpr constAlign LeftBottom = constAlign::LeftBottom;
inline constexpr constAlign MiddleTop = constAlign::MiddleTop;
inline constexpr constAlign Center = constAlign::Center;
inline constexpr constAlign MiddleBottom = constAlign::MiddleBottom;
inline constexpr constAlign RightTop = constAlign::RightTop;
inline constexpr constAlign RightMiddle = constAlign::RightMiddle;
inline constexpr constAlign RightBottom = constAlign::RightBottom;

inline constexpr constStyle Button = constStyle::Button;
inline constexpr constStyle ToggleButtonUp = constStyle::ToggleButtonUp;
inline constexpr constStyle ToggleButtonDown = constStyle::ToggleButtonDown;
inline constexpr constStyle ButtonFlat = constStyle::ButtonFlat;
inline constexpr constStyle PanelUp = constStyle::PanelUp;
inline constexpr constStyle PanelDown = constStyle::PanelDown;
inline constexpr constStyle PanelFlat = constStyle::PanelFlat;
inline constexpr constStyle AntiButton = constStyle::AntiButton;

inline constexpr constInternetLink InternetPage = constInternetLink::InternetPage;
inline constexpr constInternetLink EMail = constInternetLink::EMail;

inline constexpr constMoveControl MoveForm = constMoveControl::MoveForm;
inline constexpr constMoveControl MoveMe = constMoveControl::MoveMe;

inline constexpr const3D Convex = const3D::Convex;
inline constexpr const3D Pressed = const3D::Pressed;

struct AnyNone {
    constexpr operator constInternetLink() const { return constInternetLink::None; }
    constexpr operator constMoveControl() const { return constMoveControl::None; }
    constexpr operator const3D() const { return const3D::None; }
};
inline constexpr AnyNone None{};

} // namespace vuzedovi
