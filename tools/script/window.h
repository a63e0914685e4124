// The driver's window: the recording platform the game runs on in a script,
// and the image canvas that `shot` paints, made on first use.
#pragma once

#include <memory>

#include "platform/fake_record_panel.h"
#include "platform/platform.h"
#include "platform/recording_platform.h"
#include "script/share_fakes.h"

namespace murokan::platform {
class ImageCanvas;
}

namespace murokan::script {

struct ScriptWindow {
    ScriptWindow();
    ~ScriptWindow();
    ScriptWindow(const ScriptWindow&) = delete;
    ScriptWindow& operator=(const ScriptWindow&) = delete;

    platform::RecordingPlatform pf;
    // The record panel the script uses as the user (commands_panel.cpp); Form1
    // takes it with attachRecordPanel.
    platform::FakeRecordPanel panel;
    // Where `tick` delivers Timer1 (Form1, once it is connected).
    platform::EventSink* sink = nullptr;
    // The offscreen picture of everything drawn; made by the first `shot`.
    std::unique_ptr<platform::ImageCanvas> image;
    // The clipboard, the off-screen picture and the save dialog (share_fakes.h).
    ScriptSharing sharing{pf.events};
};

// Makes the Qt application object the driver's pictures need, once.
void ensureGuiApplication();

}  // namespace murokan::script
