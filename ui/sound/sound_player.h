#pragma once
// The game's sounds go through one player that lives as long as the program.
// Creating a sound effect per window made playback flaky, and a machine
// without an audio device must stay silent without a word.

#include <QString>

#include <memory>
#include <string_view>

class QSoundEffect;

namespace selvako {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays a wave file of the data folder by its name ("son.wav").
    virtual void play(std::string_view file) = 0;
};

// Plays through one QSoundEffect; without an audio output it does nothing.
class EffectSoundPlayer final : public SoundPlayer {
  public:
    explicit EffectSoundPlayer(const QString& data_dir);
    ~EffectSoundPlayer() override;

    void play(std::string_view file) override;

  private:
    QString m_data_dir;
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace selvako
