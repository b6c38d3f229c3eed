// The system services the engine works through, handed to it in one piece.
#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/HookLock.h"
#include "platform/OffDesktopJournal.h"
#include "platform/ProgramProcess.h"
#include "platform/SoundPlayer.h"
#include "platform/WorkerThreads.h"

namespace qiv {

// Every service must outlive the engine and any worker thread it started: give it the process-wide ones.
struct EnginePlatform {
  Desktop& desktop;
  Clock& clock;
  WorkerThreads& workers;
  HookLock& hookLock;
  ProgramProcess& process;
  SoundPlayer& sound;
  OffDesktopJournal& journal;
};

}  // namespace qiv
