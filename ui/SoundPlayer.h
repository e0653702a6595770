#pragma once

#include <QAudioDevice>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "Sonification.h"

class QAudioSink;
class QIODevice;

namespace pathsum {

// The sound the program makes, through the system's sound device: the tone that follows a
// probe, or a screen played in three seconds, one at a time. The samples come from the same
// code as the sound files (core's Sonification). Where no sound can be played (no device, a
// device that cannot be opened or that stops) the calls return at once, `Unavailable` says why
// once, and the program works on in silence.
class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    // The device to play on, asked again at every start: the system's default unless told.
    using DeviceFinder = std::function<QAudioDevice()>;
    explicit SoundPlayer(QObject* parent = nullptr);
    explicit SoundPlayer(DeviceFinder findDevice, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Sounds the tone at `target`, rising from silence, in place of a screen being played; a
    // tone already sounding glides to it. False when no sound can be played.
    bool StartTone(const ToneTarget& target);
    // The sounding tone glides to `target`; nothing when no tone sounds.
    void SetTarget(const ToneTarget& target);
    // Plays a screen from x = 0 to x = 100 (RenderScreen), in place of whatever sounds (a tone
    // falls silent first, without a click); `Finished` follows at its end. False when no sound
    // can be played.
    bool PlayScreen(std::span<const PlottedPoint> points);
    // The tone or the screen falls silent within a few hundredths of a second (no click).
    void Stop();

    // Whether a tone or a screen sounds (or is falling silent after Stop).
    bool IsSounding() const { return sounding_ != Sounding::Nothing; }
    // Whether a screen is being played.
    bool PlayingScreen() const { return sounding_ == Sounding::Screen; }

    // Whether there is a device that can play the sound, without opening it; `Unavailable` says
    // why not (once, as for a sound asked for).
    bool Available();

  signals:
    // No sound can be played: a short message for the window to show. Said once, and again only
    // after sound has played in between.
    void Unavailable(const QString& message);
    // A played screen has reached its end (not after Stop or in place of another sound).
    void Finished();

  private:
    enum class Sounding { Nothing, Tone, Screen };

    bool Start(Sounding sounding);
    // Why no sound can be played.
    enum class SoundTrouble { NoDevice, FormatNotSupported, NotOpened, StoppedPlaying };
    // What keeps `device` from playing the samples, if anything.
    static std::optional<SoundTrouble> TroubleWith(const QAudioDevice& device);
    static QString TroubleText(SoundTrouble trouble);
    void Feed();
    void SinkStateChanged();
    void Release();
    void Trouble(SoundTrouble trouble);

    DeviceFinder findDevice_;
    QAudioSink* sink_ = nullptr;  // a child of this while it exists
    QIODevice* out_ = nullptr;    // the sink's, written to as it has room
    QByteArray pending_;          // written but not yet taken
    QTimer feedTimer_;
    Sounding sounding_ = Sounding::Nothing;
    Tone tone_;
    ToneTarget target_;
    std::vector<std::int16_t> screen_;  // the screen's samples, given from screenNext_ on
    std::int64_t screenNext_ = 0;       // frames
    std::int64_t screenEnd_ = 0;
    bool screenCut_ = false;        // stopped before its end
    std::int64_t leadLeft_ = 0;     // frames of silence still to give before the sound
    std::int64_t silenceLeft_ = 0;  // and after it
    bool troubleSaid_ = false;
};

}  // namespace pathsum
