#pragma once

namespace ui {

class Desktop;
class RegionalFormats;
class TApplication;
class TimeSource;

// What the windows need of the world outside them, passed in at creation.
struct Services {
    TimeSource& time;
    RegionalFormats& regional;
    Desktop& desktop;
    TApplication& application;
};

} // namespace ui
