#include "SoundPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <utility>

namespace pathsum {

namespace {

constexpr std::int64_t kBytesPerFrame = kSoundChannels * std::int64_t{sizeof(std::int16_t)};

// How far ahead of the ear the sink is fed: a probe's step is heard this much later at most,
// and the window may be busy about this long before the sound breaks up.
constexpr std::int64_t kBufferFrames = kSampleRate / 16;  // 62.5 ms

// How often the sink is fed: several times within its buffer.
constexpr int kFeedMilliseconds = 10;

// Silence before the first sound: where the sound system drops the start of a stream (some
// do, by a few milliseconds), it drops only silence, and the sound starts with its fade.
constexpr std::int64_t kSilenceBeforeFrames = kSampleRate / 25;  // 40 ms

// Silence after the last sound, longer than the sink's buffer and the sound system's own
// latency: a sink stopped once it is written drops only silence, never the end of a fade.
constexpr std::int64_t kSilenceAfterFrames = kSampleRate / 5;  // 200 ms

QAudioFormat SampleFormat() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(kSoundChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QAudioDevice DefaultOutput() {
    return QMediaDevices::defaultAudioOutput();
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(DefaultOutput, parent) {}

SoundPlayer::SoundPlayer(DeviceFinder findDevice, QObject* parent)
    : QObject(parent), findDevice_(std::move(findDevice)) {
    feedTimer_.setInterval(kFeedMilliseconds);
    feedTimer_.setTimerType(Qt::PreciseTimer);
    connect(&feedTimer_, &QTimer::timeout, this, &SoundPlayer::Feed);
}

SoundPlayer::~SoundPlayer() {
    Release();
}

bool SoundPlayer::StartTone(const ToneTarget& target) {
    target_ = target;
    if (sounding_ == Sounding::Tone) {
        tone_.Resume();
        return true;
    }
    tone_ = Tone();
    return Start(Sounding::Tone);
}

void SoundPlayer::SetTarget(const ToneTarget& target) {
    if (sounding_ == Sounding::Tone) {
        target_ = target;
    }
}

bool SoundPlayer::PlayScreen(std::span<const PlottedPoint> points) {
    std::vector<std::int16_t> screen = RenderScreen(points);
    if (sounding_ == Sounding::Tone && !tone_.Silent()) {
        // The tone falls silent in the same stream and the screen follows it: cut off, the
        // tone would click.
        std::vector<std::int16_t> fall(std::size_t{kFadeFrames} * kSoundChannels);
        tone_.FadeOut();
        tone_.Render(target_, fall);
        screen.insert(screen.begin(), fall.begin(), fall.end());
        screen_ = std::move(screen);
        screenNext_ = 0;
        screenEnd_ = static_cast<std::int64_t>(screen_.size()) / kSoundChannels;
        screenCut_ = false;
        sounding_ = Sounding::Screen;
        silenceLeft_ = kSilenceAfterFrames;
        return true;
    }
    Release();
    screen_ = std::move(screen);
    screenNext_ = 0;
    screenEnd_ = static_cast<std::int64_t>(screen_.size()) / kSoundChannels;
    screenCut_ = false;
    return Start(Sounding::Screen);
}

void SoundPlayer::Stop() {
    if (sounding_ == Sounding::Tone) {
        tone_.FadeOut();
    } else if (sounding_ == Sounding::Screen && screenEnd_ - screenNext_ > kFadeFrames) {
        // Not yet in the fade the screen ends with: one from here.
        screenEnd_ = screenNext_ + kFadeFrames;
        for (std::int64_t frame = screenNext_; frame < screenEnd_; ++frame) {
            const double level = double(screenEnd_ - frame - 1) / kFadeFrames;
            for (int channel = 0; channel < kSoundChannels; ++channel) {
                std::int16_t& sample = screen_[std::size_t(frame * kSoundChannels + channel)];
                sample = static_cast<std::int16_t>(sample * level);
            }
        }
        screenCut_ = true;
    }
}

bool SoundPlayer::Start(Sounding sounding) {
    Release();
    const QAudioDevice device = findDevice_();
    if (const auto trouble = TroubleWith(device)) {
        Trouble(*trouble);
        return false;
    }
    sink_ = new QAudioSink(device, SampleFormat(), this);
    sink_->setBufferSize(qsizetype{kBufferFrames} * qsizetype{kBytesPerFrame});
    out_ = sink_->start();
    if (out_ == nullptr || sink_->error() != QAudio::NoError ||
        sink_->state() == QAudio::StoppedState) {
        Release();
        Trouble(SoundTrouble::NotOpened);
        return false;
    }
    // Connected only now: a sink that fails while starting is dealt with above.
    connect(sink_, &QAudioSink::stateChanged, this, &SoundPlayer::SinkStateChanged);
    troubleSaid_ = false;
    sounding_ = sounding;
    leadLeft_ = kSilenceBeforeFrames;
    silenceLeft_ = kSilenceAfterFrames;
    pending_.clear();
    // Fed from the first tick on: samples written in the same moment as the start can be lost.
    feedTimer_.start();
    return true;
}

void SoundPlayer::Feed() {
    if (sink_ == nullptr) {
        return;
    }
    if (!pending_.isEmpty()) {
        pending_.remove(0, std::max<qint64>(out_->write(pending_), 0));
        if (!pending_.isEmpty()) {
            return;
        }
    }
    const std::int64_t frames = sink_->bytesFree() / kBytesPerFrame;
    if (frames <= 0) {
        return;
    }
    std::vector<std::int16_t> samples(std::size_t(frames * kSoundChannels), 0);
    std::int64_t given = std::min(frames, leadLeft_);  // the zeros the samples begin with
    leadLeft_ -= given;
    const std::span<std::int16_t> sound =
        std::span(samples).subspan(std::size_t(given * kSoundChannels));
    if (sounding_ == Sounding::Tone && !tone_.Silent()) {
        tone_.Render(target_, sound);
        given = frames;
    } else if (sounding_ == Sounding::Screen) {
        const std::int64_t copied = std::min(frames - given, screenEnd_ - screenNext_);
        std::copy_n(screen_.begin() + std::ptrdiff_t(screenNext_ * kSoundChannels),
                    copied * kSoundChannels, sound.begin());
        screenNext_ += copied;
        given += copied;
    }
    if (given < frames) {
        const std::int64_t silence = std::min(frames - given, silenceLeft_);
        silenceLeft_ -= silence;
        given += silence;  // zeros, as the samples were made
    }
    // What the sink did not take goes first next time: the sound runs on without a gap.
    const auto* bytes = reinterpret_cast<const char*>(samples.data());
    const qint64 written = std::max<qint64>(out_->write(bytes, given * kBytesPerFrame), 0);
    pending_ = QByteArray(bytes + written, given * kBytesPerFrame - written);
    if (silenceLeft_ == 0 && pending_.isEmpty()) {
        const bool finished = sounding_ == Sounding::Screen && !screenCut_;
        Release();
        if (finished) {
            emit Finished();
        }
    }
}

void SoundPlayer::SinkStateChanged() {
    if (sink_ != nullptr && sink_->state() == QAudio::StoppedState &&
        sink_->error() != QAudio::NoError) {
        Release();
        Trouble(SoundTrouble::StoppedPlaying);
    }
}

void SoundPlayer::Release() {
    feedTimer_.stop();
    sounding_ = Sounding::Nothing;
    out_ = nullptr;
    QAudioSink* sink = std::exchange(sink_, nullptr);
    if (sink == nullptr) {
        return;
    }
    // Perhaps inside the sink's own signal: stopped now, deleted once it has returned.
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

bool SoundPlayer::Available() {
    if (sink_ != nullptr) {
        return true;
    }
    if (const auto trouble = TroubleWith(findDevice_())) {
        Trouble(*trouble);
        return false;
    }
    return true;
}

std::optional<SoundPlayer::SoundTrouble> SoundPlayer::TroubleWith(const QAudioDevice& device) {
    if (device.isNull()) {
        return SoundTrouble::NoDevice;
    }
    if (!device.isFormatSupported(SampleFormat())) {
        return SoundTrouble::FormatNotSupported;
    }
    return std::nullopt;
}

QString SoundPlayer::TroubleText(SoundTrouble trouble) {
    switch (trouble) {
        case SoundTrouble::NoDevice:
            return tr("There is no sound device: the sound is off.");
        case SoundTrouble::FormatNotSupported:
            return tr("The sound device cannot play 16-bit stereo at 44,100 Hz: the sound is off.");
        case SoundTrouble::NotOpened:
            return tr(
                "The sound device could not be opened (another program may hold it): the sound is "
                "off.");
        case SoundTrouble::StoppedPlaying:
            break;
    }
    return tr("The sound device stopped playing: the sound is off.");
}

void SoundPlayer::Trouble(SoundTrouble trouble) {
    if (troubleSaid_) {
        return;
    }
    troubleSaid_ = true;
    emit Unavailable(TroubleText(trouble));
}

}  // namespace pathsum
