// SPDX-License-Identifier: GPL-3.0-or-later
// One RS-232 port on a POSIX serial device, in raw binary mode, with a
// watcher thread (ThreadWatchComm) that moves received bytes into a
// ReceiveQueue and tells the owner they arrived. Qt-free: notifications are a
// plain callback run on the watcher thread; the GUI turns them into queued
// calls on its own thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "receive_queue.h"

namespace velmora::link {

enum class PortEvent {
    RxDownload,  // bytes queued while a download is armed
    RxUpload,    // bytes queued while an upload is armed
    QueueFull,   // a received chunk did not fit and was dropped whole
    WatchError,  // the watcher could not start waiting on the device
    PortLost,    // the device hung up or failed (e.g. a USB adapter pulled out)
};

// Written by the UI thread, read by the watcher; decide which notification a
// receive wake-up produces.
struct LinkFlags {
    std::atomic<bool> downloadArmed{false};
    std::atomic<bool> uploadArmed{false};
};

class SerialPort {
public:
    // notify runs on the watcher thread; the GUI wraps it in a queued call.
    using Notify = std::function<void(PortEvent, std::uint16_t portNumber)>;

    // Bytes read from the device per read() call.
    static constexpr std::size_t kReadChunk = 8196;

    explicit SerialPort(LinkFlags& flags, Notify notify = {});
    ~SerialPort();  // closes and joins
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // portName: "COM1".."COM4" (mapped through devicePathFor) or a device
    // path. Text parameters as stored in config.ini ("8", "None", "1").
    // Fails (false, device closed, lastError() set) when the port is already
    // open, the device cannot be opened or locked, or refuses a setting.
    bool open(const std::string& portName, int baudRate, std::uint16_t portNumber, const std::string& dataBits,
              const std::string& parity, const std::string& stopBits, int flowControl);
    // Stops the watcher (waking it at once), then releases the device.
    // Harmless when already closed.
    void close();

    // Blocks until every byte has been handed to the driver; returns the
    // count taken (less than len only on a device error).
    std::size_t write(const std::uint8_t* data, std::size_t len);
    // Returns at once with whatever has arrived (0 when nothing has).
    std::size_t readAvailable(std::uint8_t* buf, std::size_t max);

    // True from a successful open until close or a lost device.
    bool connected() const { return connected_.load(std::memory_order_acquire); }
    // True while a watcher thread is running.
    bool watching() const { return watching_.load(std::memory_order_acquire); }
    ReceiveQueue& queue() { return queue_; }
    std::uint16_t portNumber() const { return portNumber_; }
    int fd() const { return fd_; }

    const std::string& portName() const { return portName_; }
    const std::string& devicePath() const { return devicePath_; }
    const std::string& lastError() const { return lastError_; }  // "/dev/ttyUSB1: No such file or directory"
    const std::string& lastReason() const { return lastReason_; }  // the same without the device

    // COM number -> device path: VELMORA_COM1..4 env overrides, else the
    // mapping set here, else /dev/ttyS0..3.
    static void setDeviceMap(std::map<int, std::string> map);
    // The device VELMORA_COMn names for COM number n; empty when it is unset.
    static std::string environmentDevice(int n);
    // "COMn"/"Comn" (n = 1..4) -> device path; any other text is taken as a
    // path as it is.
    static std::string devicePathFor(const std::string& portName);

private:
    void watch();
    void joinWatcher();
    void releaseDevice();
    bool fail(const std::string& reason);
    void post(PortEvent e);

    LinkFlags& flags_;
    Notify notify_;
    ReceiveQueue queue_;

    int fd_ = -1;
    int wakeFd_ = -1;  // eventfd written by close() to end the poll at once
    std::uint16_t portNumber_ = 0;
    std::string portName_;
    std::string devicePath_;
    std::string lastError_;
    std::string lastReason_;

    std::atomic<bool> connected_{false};
    std::atomic<bool> watching_{false};
    std::thread watcher_;
};

}  // namespace velmora::link
