#include "gamma/ColourAdjustment.h"

#include <utility>

#include "settings/Ini.h"
#include "settings/SettingsKeys.h"
#include "gamma/GammaBackupFile.h"
#include "gamma/GammaMath.h"
#include "gamma/SliderSetting.h"
#include "text/ColourTexts.h"
#include "text/SettingsTexts.h"

namespace vistrel {
namespace {

constexpr std::array<std::string_view, 5> kSliderKeys = {settings::kBrightness, settings::kContrast,
                                                          settings::kRedGain, settings::kGreenGain,
                                                          settings::kBlueGain};

void setUp(Slider& slider, int min, int max, int value)
{
    slider.setMin(min);
    slider.setMax(max);
    slider.setValue(value);
}

}  // namespace

ColourAdjustment::ColourAdjustment(Profile& profile, GammaDevice& device, DesktopServices& desktop, const Texts& texts,
                                   Hooks hooks)
    : m_profile(profile), m_desktop(desktop), m_texts(texts), m_hooks(std::move(hooks)), m_displays(device)
{
    // Ranges and neutral values from the start, so that values read before load (an early exit)
    // are ones the next start can use.
    setUp(m_slider1, kMinGain, kMaxGain, kNeutralGain);
    setUp(m_slider2, kMinContrast, kMaxContrast, kNeutralContrast);
    for (Slider& slider : m_slider3) setUp(slider, kMinGain, kMaxGain, kNeutralGain);

    m_slider1.addChangeListener([this](int value) { slider1Changed(value); });
    m_slider2.addChangeListener([this](int value) { slider2Changed(value); });
    for (Slider& slider : m_slider3) slider.addChangeListener([this](int) { slider3Changed(); });
}

void ColourAdjustment::colorload()
{
    m_displays.capture();
    m_adjustment = RampAdjustment::none();

    setUp(m_slider1, kMinGain, kMaxGain, kNeutralGain);
    setUp(m_slider2, kMinContrast, kMaxContrast, kNeutralContrast);
    for (Slider& slider : m_slider3) setUp(slider, kMinGain, kMaxGain, kNeutralGain);
    m_colo1Text = std::to_string(m_slider1.value());
    m_colo3Text = std::to_string(m_slider2.value());
    m_loaded = true;
    notifyChanged();
}

void ColourAdjustment::safeSwitch1Click(bool on)
{
    // The switch gets its initial off position while the window is being built; that is not the
    // user turning the feature off.
    if (!m_loaded) return;

    if (on) {
        m_settingsIconVisible = true;
        m_captionGreen = true;
        notifyChanged();
        restore(Closing::Restore);
        // Each value is read just before its assignment; an assignment that changes a slider runs
        // its handler, so the last differing value decides what the display shows.
        m_slider1.setValue(storedValue(settings::kBrightness, kMinGain, kMaxGain, kNeutralGain));
        m_slider2.setValue(storedValue(settings::kContrast, kMinContrast, kMaxContrast, kNeutralContrast));
        m_slider3[0].setValue(storedValue(settings::kRedGain, kMinGain, kMaxGain, kNeutralGain));
        m_slider3[1].setValue(storedValue(settings::kGreenGain, kMinGain, kMaxGain, kNeutralGain));
        m_slider3[2].setValue(storedValue(settings::kBlueGain, kMinGain, kMaxGain, kNeutralGain));
        m_eyerun = std::string("1");
    } else {
        m_settingsIconVisible = false;
        notifyChanged();
        if (m_hooks.hideSettingsOverlay) m_hooks.hideSettingsOverlay();
        m_eyerun = std::string("0");
        restore(Closing::Restore);
        m_captionGreen = false;
        notifyChanged();
    }
}

void ColourAdjustment::command3Click()
{
    if (m_loaded) restore(Closing::Restore);
}

void ColourAdjustment::resetClick()
{
    if (m_loaded) restore(Closing::Reset);
}

void ColourAdjustment::okClick()
{
    if (m_hooks.hideSettingsOverlay) m_hooks.hideSettingsOverlay();
    const std::array<std::string, 5> values = exitValues();
    for (std::size_t i = 0; i < kSliderKeys.size(); ++i)
        writeini(m_profile, settings::kColour, kSliderKeys[i], values[i]);
}

void ColourAdjustment::holdRamps()
{
    if (m_loaded && (switchedOn() || m_displays.layered())) report(m_displays.hold(switchedOn()));
}

void ColourAdjustment::timer1Tick()
{
    if (++m_ticks < kHoldTicks) return;
    m_ticks = 0;
    holdRamps();
}

void ColourAdjustment::displaysChanged()
{
    if (!m_loaded) return;
    report(m_displays.follow(switchedOn() ? std::optional<RampAdjustment>(m_adjustment) : std::nullopt));
}

void ColourAdjustment::setNightKelvin(const std::string& display, int kelvin)
{
    if (!m_loaded) return;
    if (const std::optional<WriteReport> written = m_displays.setNight(display, kelvin)) report({*written});
}

std::array<std::string, 5> ColourAdjustment::exitValues() const
{
    return {std::to_string(m_slider1.value()), std::to_string(m_slider2.value()),
            std::to_string(m_slider3[0].value()), std::to_string(m_slider3[1].value()),
            std::to_string(m_slider3[2].value())};
}

void ColourAdjustment::slider1Changed(int value)
{
    m_colo1Text = std::to_string(value);
    brightset(value);
    notifyChanged();
}

void ColourAdjustment::slider2Changed(int value)
{
    m_colo3Text = std::to_string(value);
    if (m_loaded) writeAdjustment(RampAdjustment::contrast(value));
    notifyChanged();
}

void ColourAdjustment::slider3Changed()
{
    // Whichever gain moved, all three channels are recomputed from their own sliders.
    if (m_loaded) {
        for (std::size_t c = 0; c < kGainSliders; ++c) channelset(m_slider3[c].value(), c);
        writeAdjustment(m_adjustment);
    }
    notifyChanged();
}

void ColourAdjustment::brightset(int value)
{
    // Before colorload the saved ramp is not the display's yet; writing from it would black out
    // the screen.
    if (!m_loaded) return;
    writeAdjustment(RampAdjustment::brightness(value));
}

void ColourAdjustment::channelset(int value, std::size_t channel)
{
    m_adjustment.kind = RampAdjustment::Kind::Gains;
    m_adjustment.values.at(channel) = value;
}

void ColourAdjustment::writeAdjustment(const RampAdjustment& adjustment)
{
    m_adjustment = adjustment;
    report(m_displays.write(adjustment));
}

bool ColourAdjustment::switchedOn() const { return m_loaded && m_eyerun == "1"; }

void ColourAdjustment::report(const std::vector<WriteReport>& reports)
{
    using Outcome = WriteReport::Outcome;
    const WriteReport* firstRefusal = nullptr;
    const WriteReport* firstLimit = nullptr;
    for (const WriteReport& r : reports) {
        if (r.nightLimitedTo) {
            m_desktop.trace("night colour on " + r.display + " raised to " + std::to_string(*r.nightLimitedTo) +
                            " K: it turned warmer ramps down");
            if (!firstLimit) firstLimit = &r;
        }
        const std::string ramp = "gamma ramp for " + r.display;
        switch (r.outcome) {
        case Outcome::Written: continue;
        case Outcome::Unverified:
            // A display without a readable ramp (no gamma support at all, say) is no case for the
            // gamma-range advice.
            m_desktop.trace(ramp + (r.accepted ? " written" : " not written") + ", and it cannot be read back");
            continue;
        case Outcome::Dropped:
            // Not the display refusing the user's ramp: the next hold writes it again.
            m_desktop.trace(ramp + " did not take; tried again at the next hold");
            continue;
        case Outcome::Refused:
            m_desktop.trace(ramp + " refused: it does not read back as written" +
                            (r.accepted ? " though the system reported success" : ""));
            break;
        }
        if (!firstRefusal) firstRefusal = &r;
    }
    // Marked before the box opens: the box's own message loop may run more writes meanwhile.
    if (firstRefusal && !m_refusalTold) {
        m_refusalTold = true;
        tellGammaRange(m_texts(ColourText::GammaRangeNotApplied, firstRefusal->display));
    }
    if (firstLimit && !m_nightLimitTold) {
        m_nightLimitTold = true;
        tellGammaRange(m_texts(ColourText::GammaRangeNight, firstLimit->display, *firstLimit->nightLimitedTo));
    }
}

void ColourAdjustment::tellGammaRange(const std::string& what)
{
    // Windows declines ramps too far from identity unless the machine allows a wider range; the
    // program never edits the registry itself, it only says where the setting lives.
    m_desktop.messageBox(what + "\n\n" + m_texts(ColourText::GammaRangeAdvice), m_texts(SettingsText::ProgramName),
                         MessageIcon::Warning);
}

void ColourAdjustment::restore(Closing closing)
{
    assignNeutralValues();
    const BackupOutcome outcome = readBackup();
    const std::string tips = m_texts(ColourText::TipsTitle);
    switch (outcome) {
    case BackupOutcome::Read:
        if (closing == Closing::Reset) m_desktop.messageBox(m_texts(ColourText::Done), std::nullopt, MessageIcon::None);
        break;
    case BackupOutcome::Missing:
        if (closing == Closing::Reset)
            m_desktop.messageBox(m_texts(ColourText::Done), m_texts(ColourText::NoticeTitle), MessageIcon::Warning);
        else
            m_desktop.messageBox(m_texts(ColourText::NoBackup), tips, MessageIcon::Warning);
        break;
    case BackupOutcome::Unusable:
        m_desktop.messageBox(m_texts(ColourText::BackupUnusable), tips, MessageIcon::Warning);
        break;
    }
    // Written whether or not the file was read: with neutral sliders each display shows its saved
    // ramp, captured at load or read from the file.
    writeAdjustment(RampAdjustment::none());
}

void ColourAdjustment::assignNeutralValues()
{
    m_slider1.setValue(kNeutralGain);
    m_slider2.setValue(kNeutralContrast);
    for (Slider& slider : m_slider3) slider.setValue(kNeutralGain);
}

ColourAdjustment::BackupOutcome ColourAdjustment::readBackup()
{
    const DesktopServices::TextFile file = m_desktop.readSettingsFile(GammaBackupFile::kFileName);
    if (file.status == DesktopServices::TextFile::Status::Missing) return BackupOutcome::Missing;
    if (file.status != DesktopServices::TextFile::Status::Read) return BackupOutcome::Unusable;
    const GammaBackupFile::Result parsed = GammaBackupFile::parse(file.text);
    // An all-zero "backup" is a black screen, never a ramp anybody saved on purpose.
    if (!parsed.ramp || parsed.ramp->isAllZero()) return BackupOutcome::Unusable;
    m_displays.replaceSaved(*parsed.ramp);
    return BackupOutcome::Read;
}

int ColourAdjustment::storedValue(std::string_view key, int min, int max, int neutral) const
{
    return sliderValueFromSetting(readini(m_profile, settings::kColour, key), min, max, neutral);
}

void ColourAdjustment::notifyChanged() const
{
    if (m_hooks.changed) m_hooks.changed();
}

}  // namespace vistrel
