#pragma once
// A change of the main window's background, and the process-wide broadcaster that announces it:
// a generic observer pair (a broadcaster with its receivers, each knowing the other) over a result
// type and a payload, and its instance for skin changes. Used on the interface thread only.

#include <cstdint>
#include <map>
#include <string>

#include "toolkit/Control.h"

namespace quillon::app {

struct SkinChangedParam {
    bool useColour = false;              // true: a plain colour; false: a picture
    toolkit::Argb backgroundColour = 0;  // with useColour
    // Without useColour: a picture relative to the skin folder, or a full path.
    std::string backgroundImage;
};

template <typename Result, typename Payload>
class ReceiverImplBase;

template <typename Result, typename Payload>
class ObserverImplBase {
  public:
    virtual ~ObserverImplBase() = default;
    virtual void addReceiver(ReceiverImplBase<Result, Payload>* receiver) = 0;
    virtual void removeReceiver(ReceiverImplBase<Result, Payload>* receiver) = 0;
    // Every receiver gets its own copy of the payload, in the order they were added.
    virtual Result broadcast(Payload payload) = 0;
    virtual Result notify(Payload payload) = 0;
};

template <typename Result, typename Payload>
class ReceiverImplBase {
  public:
    virtual ~ReceiverImplBase() = default;
    virtual void addObserver(ObserverImplBase<Result, Payload>* observer) = 0;
    virtual void removeObserver() = 0;
    virtual Result receive(Payload payload) = 0;
    virtual Result respond(Payload payload, ObserverImplBase<Result, Payload>* observer) = 0;
};

template <typename Result, typename Payload>
class ObserverOf : public ObserverImplBase<Result, Payload> {
  public:
    using Receiver = ReceiverImplBase<Result, Payload>;

    void addReceiver(Receiver* receiver) override {
        if (receiver == nullptr) {
            return;
        }
        receivers_[count_] = receiver;
        receiver->addObserver(this);
        ++count_;
    }
    void removeReceiver(Receiver* receiver) override {
        if (receiver == nullptr) {
            return;
        }
        for (auto it = receivers_.begin(); it != receivers_.end(); ++it) {
            if (it->second == receiver) {
                receivers_.erase(it);
                return;
            }
        }
    }
    // A receiver may remove itself (or another) while it receives: the walk is over a copy.
    Result broadcast(Payload payload) override {
        const auto receivers = receivers_;
        for (const auto& [key, receiver] : receivers) {
            receiver->receive(payload);
        }
        return Result{};
    }
    Result notify(Payload payload) override {
        const auto receivers = receivers_;
        for (const auto& [key, receiver] : receivers) {
            receiver->respond(payload, this);
        }
        return Result{};
    }
    std::size_t receiverCount() const { return receivers_.size(); }

  private:
    std::map<int, Receiver*> receivers_;
    int count_ = 0;
};

template <typename Result, typename Payload>
class ReceiverOf : public ReceiverImplBase<Result, Payload> {
  public:
    using Observer = ObserverImplBase<Result, Payload>;

    ReceiverOf() = default;
    ReceiverOf(const ReceiverOf&) = delete;
    ReceiverOf& operator=(const ReceiverOf&) = delete;
    // A receiver that goes away leaves no broadcaster pointing at it.
    ~ReceiverOf() override { ReceiverOf::removeObserver(); }

    void addObserver(Observer* observer) override {
        observers_[count_] = observer;
        ++count_;
    }
    void removeObserver() override {
        const auto observers = observers_;
        observers_.clear();
        for (const auto& [key, observer] : observers) {
            observer->removeReceiver(this);
        }
    }
    Result receive(Payload) override { return Result{}; }
    Result respond(Payload, Observer*) override { return Result{}; }

  private:
    std::map<int, Observer*> observers_;
    int count_ = 0;
};

using ObserverImpl = ObserverOf<std::int32_t, SkinChangedParam>;
using ReceiverImpl = ReceiverOf<std::int32_t, SkinChangedParam>;

// The one broadcaster of the process, made on first use and kept to the end.
ObserverImpl& skinBroadcaster();

}  // namespace quillon::app
