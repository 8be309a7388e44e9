#pragma once

#include <QString>

// What the program says and sends, as the tests expect it: one table, so a
// test names a text instead of spelling it again. The program keeps its own
// copies; a test that compares the two finds a changed text.
namespace texts {

inline const QString kTitle = QStringLiteral("Vantelix");

// The recommendation.
inline const QString kAdjust = QStringLiteral("Adjust the sliders until you are happy with the proposed change in size.");
inline const QString kWhy = QStringLiteral("Why would you do that?");
inline const QString kMinor = QStringLiteral("A minor change in size, success is likely.");
inline const QString kCommon =
    QStringLiteral("This is the most common change in size. There is a 90% chance of success.");
inline const QString kMajor = QStringLiteral("Three inches added to any penis is a major change. Use with caution.");
inline const QString kHazardous = QStringLiteral("Adding more than 3 inches to any penis is very hazardous. ");
inline const QString kRealSize = QStringLiteral("Yeah right! Now choose your REAL size...");
inline const QString kTadpole = QStringLiteral(
    "That's ridiculous. A penis that size has no effect. You couldn't find it for the pubic hair. "
    "With most partners you'd be like a tadpole in the ocean.");
inline const QString kSheath = QStringLiteral(
    "Be careful with your penis. With most partners you will not be able to completely \"sheath your sword\".");
inline const QString kDifficult = QStringLiteral(
    "A penis of that size is difficult to manage. Your partner will be in constant pain and will not be able to "
    "walk straight.");
inline const QString kClickPreview = QStringLiteral("That's ridiculous. Click preview to see what that would look like!");

// The message boxes of Apply, and the reduction question's title.
inline const QString kNothingChanged = QStringLiteral("Please make some changes, then click Apply!");
inline const QString kReduce = QStringLiteral("Are you sure you want to REDUCE your penis size?");
inline const QString kReduceTitle = QStringLiteral("Vantelix - Are you mad?");
inline const QString kFatal =
    QStringLiteral("Are you sure you want to increase your penis size by that much? This could be fatal.");
inline const QString kInsert = QStringLiteral("Please insert penis now.");
inline const QString kSuccess = QStringLiteral("Success! You should notice changes within the next few days.");

// The CD tray's commands, byte for byte.
inline const QByteArray kOpenTray = QByteArrayLiteral("set cdaudio door open");
inline const QByteArray kCloseTray = QByteArrayLiteral("set cdaudio door closed ");

// The About window's links and what they open.
inline const QString kEmail = QStringLiteral("dana@vantelix.example");
inline const QString kMailLink = QStringLiteral("mailto:dana@vantelix.example");
inline const QString kWebsite = QStringLiteral("https://www.vantelix.example/");

} // namespace texts
