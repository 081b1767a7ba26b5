// Named lines of the text database BASE.DRS: every line the program reads
// by number is named here. A name with a "+ n" comment starts a block: the
// reader adds the number shown.
#pragma once

namespace kl::layout::base {

inline constexpr int kSealWord = 0;            // "Seal"
inline constexpr int kSealName = 0;            // + seal 1..20, nominative
inline constexpr int kMoonWordDash = 28;       // " Moon -"
inline constexpr int kMoonWord = 29;           // " Moon"
inline constexpr int kToneWord = 34;           // "Tone"
inline constexpr int kToneMeaning = 34;        // + tone 1..13
inline constexpr int kPlasmaName = 49;         // + plasma 1..7
inline constexpr int kDayWord = 59;            // "Day"
inline constexpr int kKinWord = 60;            // "Kin"
inline constexpr int kToneCaption = 61;        // "Tone", before the month's action
inline constexpr int kTzolkinTitle = 63;
inline constexpr int kMoonName = 66;           // + month 1..13
inline constexpr int kSealGenitive = 80;       // + seal 1..20
inline constexpr int kToneWordFirst = 103;     // + tone, word form 1
inline constexpr int kToneWordSecond = 116;    // + tone, word form 0
inline constexpr int kColourWordFirst = 130;   // + colour 1..4, word form 1
inline constexpr int kColourWordSecond = 134;  // + colour 1..4, word form 0
inline constexpr int kAntipode = 145;
inline constexpr int kAnalog = 146;
inline constexpr int kOccult = 147;
inline constexpr int kTeacher = 149;
inline constexpr int kToneAction = 150;        // + tone or month 1..13
inline constexpr int kPlasmaCaption = 165;
inline constexpr int kMoonPhaseCaption = 166;
inline constexpr int kEssence = 168;
inline constexpr int kSealEssence = 170;       // + seal 1..20
inline constexpr int kOracleTitle = 390;
inline constexpr int kOracleSubtitle = 391;
inline constexpr int kToday = 392;
inline constexpr int kKinCaption = 402;
inline constexpr int kPortalsFirst = 414;
inline constexpr int kPortalsSecond = 415;
inline constexpr int kMysticColumn = 416;
inline constexpr int kWavespellModule = 417;
inline constexpr int kCreationDays = 418;
inline constexpr int kDayOutOfTime = 419;
inline constexpr int kDootDay = 420;
inline constexpr int kYearWord = 422;
inline constexpr int kThirteenMoons = 423;
inline constexpr int kDootOutOfTime = 424;
inline constexpr int kFiveCastles = 425;
inline constexpr int kCastleColour = 426;      // + castle 1..5
inline constexpr int kCastleName = 431;        // + castle
inline constexpr int kCastleCourt = 436;       // + castle
inline constexpr int kCastleKins = 442;        // + castle
inline constexpr int kWavespellName = 447;     // + wavespell 1..20
inline constexpr int kMoonTotemCaption = 469;
inline constexpr int kMoonTotem = 469;         // + month 1..13
inline constexpr int kWavespellKins = 523;     // + 2 x wavespell
inline constexpr int kWavespellAim = 524;      // + 2 x wavespell
inline constexpr int kWeekWord = 566;
inline constexpr int kPlanet = 566;            // + 1..10, the Tzolkin rows
inline constexpr int kToneName = 66;           // + tone 1..13, nominative (the moons carry these names)
inline constexpr int kPortalDay = 670;
// The moon's full name is kMoonName + month, this + month and kMoonWord:
// " Bat" in English ("Magnetic Bat Moon"), empty in Russian ("Магнитная Луна").
inline constexpr int kMoonTotemInName = 703;   // + month 1..13
inline constexpr int kLanguageCaption = 717;   // the configuration dialog's language list         // "Galactic activation portal", the calendar export's portal days

// The daily affirmation: six rows joined from these pieces (loadaffirmation).
namespace affirmation {
inline constexpr int kRow1Start = 192;         // "I "
inline constexpr int kRow1Power = 200;         // + tone
inline constexpr int kRow1Glue = 400;          // between the power and the next piece
inline constexpr int kRow1Purpose = 193;       // "in order to "
inline constexpr int kRow1Action = 214;        // + seal
inline constexpr int kRow1End = 401;           // ","
inline constexpr int kRow2Action = 235;        // + tone
inline constexpr int kRow2Essence = 249;       // + seal; tones other than 5 and 13
inline constexpr int kRow2EssenceTone5 = 270;  // + seal
inline constexpr int kRow2EssenceTone13 = 291; // + seal
inline constexpr int kRow3Start = 194;         // "I seal the "
inline constexpr int kRow3Group = 312;         // + seal group 1..5
inline constexpr int kRow3Power = 318;         // + seal
inline constexpr int kRow4Start = 195;         // "with the "
inline constexpr int kRow4Tone = 339;          // + tone
inline constexpr int kRow4Middle = 196;        // "tone of "
inline constexpr int kRow4Essence = 353;       // + tone
inline constexpr int kRow5Guided = 197;        // "I am guided by the power of "
inline constexpr int kRow5GuidePower = 367;    // + guide seal
inline constexpr int kRow5OwnPower = 199;      // when the guide is the day's own seal
inline constexpr int kRow6Portal = 198;        // on portal days
}  // namespace affirmation

// The compact window's hints: its areas and its two buttons.
namespace hint {
inline constexpr int kOracle = 393, kTone = 394, kSeal = 395, kPlasma = 396, kMoon = 397, kAffirmation = 398;
inline constexpr int kExit = 399, kFullScreen = 413;
}  // namespace hint

// The date dialog: its buttons, the captions of its three fields and what it
// says of a field outside its range.
namespace datedialog {
inline constexpr int kOk = 167, kCancel = 169, kToday = 389;
inline constexpr int kYear = 422, kMonth = 421, kDay = 420;
inline constexpr int kYearRange = 700, kMonthRange = 701, kDayRange = 702;
}  // namespace datedialog

// The configuration dialog: its captions and the entries of its lists.
namespace config {
inline constexpr int kTitle = 637;
inline constexpr int kYearShine = 638, kYearLine = 639, kYearIcon = 640, kCastleIcon = 641, kSwapKeys = 642;
inline constexpr int kTransitions = 643, kSpeed = 644, kSaveAndExit = 645;
inline constexpr int kBookDate = 653, kDayDate = 654, kIconDate = 655;
inline constexpr int kTurtlesNote = 656, kTurtles = 657;
inline constexpr int kDateFormats = 658;       // + 0..6, in the order of the format numbers
inline constexpr int kMoonModelCaption = 665;
inline constexpr int kMoonModels = 666;        // + 0, 1: linear and smooth
inline constexpr int kAstronomicalMoon = 669;  // the third moon model
inline constexpr int kDateFormatCaption = 668;
}  // namespace config

// The compact window's context menu, in its order.
namespace menu {
inline constexpr int kToday = 718, kChooseDate = 719, kFullScreen = 720, kPrintManager = 721;
inline constexpr int kSettings = 722, kAutostart = 723, kQuit = 724;
inline constexpr int kAutostartFailed = 725;  // followed by the reason
}  // namespace menu

// Button tooltips.
namespace tooltip {
inline constexpr int kFullScreenButtons = 726;  // + 0..16, the full-screen strip from the left
inline constexpr int kFaceFullScreen = 743, kFaceDayView = 744, kFaceExit = 745;
}  // namespace tooltip

// The print manager's messages and titles. A message with a file in it is
// its line, a line break, the name and the reason.
namespace printmessage {
inline constexpr int kNotLoaded = 746, kNotSaved = 747, kPictureNotSaved = 748;
inline constexpr int kPictureNotMade = 749;  // the reason, after the name
inline constexpr int kUnencodable = 750;     // followed by the characters
inline constexpr int kSaveAnyway = 751;
inline constexpr int kChanged = 752, kSaveBeforeReplacing = 753;
inline constexpr int kSavePictureTitle = 754, kNoCalendarYear = 755, kMoonColourTitle = 756;
inline constexpr int kFailedLines = 757;     // followed by the count
inline constexpr int kLinesMarked = 758;
inline constexpr int kPicturesNotDrawn = 759;  // followed by the count
}  // namespace printmessage

// What the settings say of a conf.dat they could not read.
namespace confmessage {
inline constexpr int kStoppedAtLine = 760;  // followed by the line and the reason
inline constexpr int kEarlierUsed = 761;
inline constexpr int kUnreadable = 762;     // followed by the reason
inline constexpr int kValuesKept = 763;
}  // namespace confmessage

}  // namespace kl::layout::base
