#include "applymodel.h"

#include "answers.h"

#include <QHash>

namespace {

const QHash<QString, ApplyModel::Box> &boxTexts()
{
    using enum ApplyModel::Box;
    static const QHash<QString, ApplyModel::Box> texts{
        {QStringLiteral("Please make some changes, then click Apply!"), NothingChanged},
        {QStringLiteral("Are you sure you want to REDUCE your penis size?"), Reduce},
        {QStringLiteral("Are you sure you want to increase your penis size by that much? This could be fatal."), Fatal},
        {QStringLiteral("Please insert penis now."), Insert},
        {QStringLiteral("Success! You should notice changes within the next few days."), Success},
    };
    return texts;
}

} // namespace

QString SliderValues::toString() const
{
    return QStringLiteral("current %1, desired %2, tints %3 and %4").arg(current).arg(desired).arg(beforeTint).arg(afterTint);
}

std::optional<ApplyModel::Box> ApplyModel::boxOf(const QString &text)
{
    const auto found = boxTexts().constFind(text);
    if (found == boxTexts().constEnd())
        return std::nullopt;
    return *found;
}

QString ApplyModel::nameOf(Box box)
{
    return QLatin1Char('"') + boxTexts().key(box) + QLatin1Char('"');
}

bool ApplyModel::fillRunning() const
{
    return m_stage == Stage::AwaitClose || m_stage == Stage::Filling || m_stage == Stage::Success;
}

QString ApplyModel::stageName() const
{
    switch (m_stage) {
    case Stage::Idle:
        return QStringLiteral("no Apply running");
    case Stage::NothingChanged:
        return QStringLiteral("the nothing-changed box open");
    case Stage::Reduce:
        return QStringLiteral("the reduction question open");
    case Stage::AwaitFatal:
        return QStringLiteral("the large-increase question due");
    case Stage::Fatal:
        return QStringLiteral("the large-increase question open");
    case Stage::AwaitOpen:
        return QStringLiteral("the tray-open command due");
    case Stage::AwaitInsert:
        return QStringLiteral("the tray box due");
    case Stage::Insert:
        return QStringLiteral("the tray box open");
    case Stage::AwaitClose:
        return QStringLiteral("the tray-close command due");
    case Stage::Filling:
        return QStringLiteral("the bar filling");
    case Stage::Success:
        return QStringLiteral("the success box open");
    }
    return QString();
}

ApplyModel::Stage ApplyModel::firstStage(const SliderValues &sliders)
{
    if (sliders.current == sliders.desired && sliders.beforeTint == sliders.afterTint)
        return Stage::NothingChanged;
    if (sliders.desired < sliders.current)
        return Stage::Reduce;
    if (sliders.desired - sliders.current > 4)
        return Stage::Fatal;
    return Stage::AwaitOpen;
}

ApplyModel::Stage ApplyModel::stageOf(Box box)
{
    switch (box) {
    case Box::NothingChanged:
        return Stage::NothingChanged;
    case Box::Reduce:
        return Stage::Reduce;
    case Box::Fatal:
        return Stage::Fatal;
    case Box::Insert:
        return Stage::Insert;
    case Box::Success:
        return Stage::Success;
    }
    return Stage::Idle;
}

QString ApplyModel::start(Stage stage, const SliderValues &sliders, const QString &what)
{
    ++m_sequences;
    m_atApply = sliders;
    const Stage expected = firstStage(sliders);
    if (stage != expected) {
        const QString error = QStringLiteral("Apply with %1 began with %2, expected %3")
                                  .arg(sliders.toString(), what, expected == Stage::AwaitOpen
                                                                      ? QStringLiteral("the tray-open command")
                                                                      : QStringLiteral("another box"));
        m_stage = stage;
        return error;
    }
    m_stage = stage == Stage::AwaitOpen ? Stage::AwaitInsert : stage;
    return QString();
}

QString ApplyModel::unchangedSliders(const SliderValues &sliders) const
{
    if (sliders == m_atApply)
        return QString();
    return QStringLiteral("the sliders changed during Apply: %1 at Apply, now %2").arg(m_atApply.toString(), sliders.toString());
}

QString ApplyModel::boxShown(Box box, const SliderValues &sliders)
{
    if (m_stage == Stage::Idle)
        return start(stageOf(box), sliders, nameOf(box));

    if (const QString changed = unchangedSliders(sliders); !changed.isEmpty())
        return changed;
    const bool due = (m_stage == Stage::AwaitFatal && box == Box::Fatal)
                     || (m_stage == Stage::AwaitInsert && box == Box::Insert)
                     || (m_stage == Stage::Filling && box == Box::Success);
    if (!due)
        return QStringLiteral("%1 shown with %2").arg(nameOf(box), stageName());
    m_stage = stageOf(box);
    return QString();
}

QString ApplyModel::boxAnswered(Box box, advisor::Answer answer, const SliderValues &sliders)
{
    using enum advisor::Answer;
    if (m_stage != stageOf(box))
        return QStringLiteral("%1 answered with %2").arg(nameOf(box), stageName());
    if (const QString changed = unchangedSliders(sliders); !changed.isEmpty())
        return changed;

    const Stage answered = m_stage;
    m_stage = Stage::Idle;
    switch (answered) {
    case Stage::NothingChanged:
    case Stage::Success:
        if (answer == Ok)
            return QString();
        break;
    case Stage::Reduce:
        if (answer == Yes)
            m_stage = m_atApply.desired - m_atApply.current > 4 ? Stage::AwaitFatal : Stage::AwaitOpen;
        if (answer == Yes || answer == No)
            return QString();
        break;
    case Stage::Fatal:
        if (answer == Yes)
            m_stage = Stage::AwaitOpen;
        if (answer == Yes || answer == No)
            return QString();
        break;
    case Stage::Insert:
        if (answer == Ok)
            m_stage = Stage::AwaitClose;
        if (answer == Ok || answer == Cancel)
            return QString();
        break;
    default:
        break;
    }
    return QStringLiteral("%1 answered %2, which it does not offer").arg(nameOf(box), answers::nameOf(answer));
}

QString ApplyModel::commandSent(const QString &command, bool windowEnabled, const SliderValues &sliders)
{
    if (command == advisor::ApplySequence::kOpenTray) {
        if (!windowEnabled)
            return QStringLiteral("the tray-open command came with the window disabled");
        if (m_stage == Stage::Idle)
            return start(Stage::AwaitOpen, sliders, QStringLiteral("the tray-open command"));
        if (const QString changed = unchangedSliders(sliders); !changed.isEmpty())
            return changed;
        if (m_stage != Stage::AwaitOpen)
            return QStringLiteral("the tray-open command came with %1").arg(stageName());
        m_stage = Stage::AwaitInsert;
        return QString();
    }

    if (command == advisor::ApplySequence::kCloseTray) {
        // Only after OK at the tray box that followed the open command of
        // this same Apply.
        if (m_stage != Stage::AwaitClose)
            return QStringLiteral("the tray-close command came with %1").arg(stageName());
        if (const QString changed = unchangedSliders(sliders); !changed.isEmpty())
            return changed;
        if (windowEnabled)
            return QStringLiteral("the tray-close command came before the window was disabled");
        m_stage = Stage::Filling;
        ++m_fills;
        return QString();
    }

    return QStringLiteral("unknown media command \"%1\"").arg(command);
}

QString ApplyModel::applyClicked()
{
    ++m_clicks;
    if (m_sequences != m_clicks)
        return QStringLiteral("Apply was clicked %1 times but %2 sequences began").arg(m_clicks).arg(m_sequences);
    return QString();
}

QString ApplyModel::ended() const
{
    if (m_stage != Stage::Idle)
        return QStringLiteral("the application ended with %1").arg(stageName());
    if (m_sequences != m_clicks)
        return QStringLiteral("Apply was clicked %1 times but %2 sequences began").arg(m_clicks).arg(m_sequences);
    return QString();
}
