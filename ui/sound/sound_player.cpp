#include "ui/sound/sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace selvako {

namespace {

void drop_message(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

EffectSoundPlayer::EffectSoundPlayer(const QString& data_dir) : m_data_dir(data_dir) {
    // Asked once: a program started without sound stays silent for its run.
    // The audio backend complains on standard error when it finds no sound
    // server; a machine without sound is not an error worth a word.
    const QtMessageHandler previous = qInstallMessageHandler(drop_message);
    const bool has_output = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    if (has_output) m_effect = std::make_unique<QSoundEffect>();
}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(std::string_view file) {
    if (!m_effect || file.empty()) return;
    const QUrl source = QUrl::fromLocalFile(
        QDir(m_data_dir)
            .filePath(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()))));
    if (m_effect->source() != source) m_effect->setSource(source);
    // A sound still playing is cut short by the next one, as a new move's click should.
    m_effect->play();
}

} // namespace selvako
