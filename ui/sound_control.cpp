#include "ui/sound_control.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kelvoria {

QString SoundControl::LocalPath(const QString& windows_path) {
#ifdef Q_OS_WIN
    return windows_path;
#else
    QString rest = windows_path;
    if (rest.size() >= 2 && rest[1] == ':') {
        rest = rest.mid(2);
    }
    rest.replace('\\', '/');
    QString root = qEnvironmentVariable("KELVORIA_DRIVE_C");
    if (root.isEmpty()) {
        root = QDir::homePath();
    }
    return QDir::cleanPath(root + '/' + rest);
#endif
}

void SoundControl::Command(std::string_view command) {
    if (command == "Open" || command == "Play") {
        // Either starts the file once from its beginning; a missing file
        // simply plays nothing.
        const QString path = LocalPath(file_name_);
        if (device_type_ != "WaveAudio" || !QFileInfo::exists(path)) {
            return;
        }
        const QUrl source = QUrl::fromLocalFile(path);
        if (effect_.source() != source) {
            effect_.setSource(source);
        }
        effect_.stop();
        effect_.setLoopCount(1);
        effect_.play();
    } else if (command == "Stop") {
        effect_.stop();
    }
}

}  // namespace kelvoria
