#pragma once
// The names of the game's windows: what the rules open, close and look up, and what the window
// layer builds each window's form from.

namespace brankor::window {

inline constexpr char kMain[] = "frmMain";
inline constexpr char kFirst[] = "frmFirst";
inline constexpr char kTheEnd[] = "frmTheEnd";
inline constexpr char kBank[] = "frmBank";
inline constexpr char kHelp[] = "frmHelp";
inline constexpr char kShop[] = "frmShop";
inline constexpr char kFlat[] = "frmFlat";
inline constexpr char kStudy[] = "frmStudy";
inline constexpr char kWork[] = "frmWork";
inline constexpr char kComputer[] = "frmComputer";
inline constexpr char kPrograms[] = "frmPrograms";
inline constexpr char kInternet[] = "frmInternet";
inline constexpr char kInterAnek[] = "frmInterAnek";
inline constexpr char kInterComp[] = "frmInterComp";
inline constexpr char kHakerstvo[] = "frmHakerstvo";
inline constexpr char kVirus[] = "frmVirus";
inline constexpr char kHobby[] = "frmHobby";
inline constexpr char kMadFish[] = "frmMadFish";
inline constexpr char kParty[] = "frmParty";
inline constexpr char kRuletka[] = "frmRuletka";
inline constexpr char kRuletka2[] = "frmRuletka2";
inline constexpr char kAr[] = "frmAr";
inline constexpr char kDiary[] = "frmDiary";
inline constexpr char kCareer[] = "frmCareer";

}  // namespace brankor::window
