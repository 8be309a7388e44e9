#pragma once

#include <thread>

// Loads the system's font configuration on a worker thread.
//
// The first window with text cannot be laid out before the font configuration
// is loaded, and on a typical desktop loading it (parsing the configuration
// files, reading the font caches) is the largest single cost before that
// window shows. Started before QApplication, it runs while the application
// connects to the display; the font database then finds it loaded. Where
// the platform has no font configuration to load, this does nothing.
class FontConfigPreload
{
public:
    FontConfigPreload();
    ~FontConfigPreload();

    FontConfigPreload(const FontConfigPreload &) = delete;
    FontConfigPreload &operator=(const FontConfigPreload &) = delete;

    // Returns once the configuration is loaded (or failed to load; the font
    // database then tries again itself).
    void wait();

private:
    std::jthread m_worker;
};
