#pragma once

#include <QSoundEffect>
#include <QString>
#include <string_view>

namespace kelvoria {

// The start-up sound, driven by a command word: "Open" and "Play" start the
// file once from its beginning and return at once, "Stop" ends it. Nothing
// is read back: a missing or unplayable file, or no sound device, just
// gives no sound.
class SoundControl {
public:
    SoundControl() = default;

    void SetDeviceType(const QString& type) { device_type_ = type; }
    void SetFileName(const QString& name) { file_name_ = name; }
    void Command(std::string_view command);

    // Where a Windows path lands on this host: on hosts without drive
    // letters, C:\ is the folder KELVORIA_DRIVE_C names, else the home folder.
    static QString LocalPath(const QString& windows_path);

    bool IsPlaying() const { return effect_.isPlaying(); }

private:
    QSoundEffect effect_;
    QString device_type_;
    QString file_name_;
};

}  // namespace kelvoria
