// The program-wide analysis objects. They are made once at start-up and
// live to the end; a text typing event resets them when it opens
// (ResetAnalysisObjects) and feeds them while the learner types, in this
// order: per accepted key BackSpaceCounter->CountKey, per key after the
// first DeviationCalc->AddInterval, per finished word
// ErrorFinder->ErrorPercent against the neighbouring model words,
// ErrorFinder->RecordErrors and EfficiencyCalc->AddWord, and at the end
// EfficiencyCalc->SetElapsed. Then it reads the measures, their grades
// through LevelNames, and StudyingTip->Comment.
#pragma once

#include "analysis/TBackSpaceCounter.h"
#include "analysis/TDeviationCalc.h"
#include "analysis/TEfficiencyCalc.h"
#include "analysis/TErrorFinder.h"
#include "analysis/TLevelNames.h"
#include "analysis/TStudyingTip.h"

// Null until CreateAnalysisObjects.
extern TErrorFinder* ErrorFinder;
extern TBackSpaceCounter* BackSpaceCounter;
extern TEfficiencyCalc* EfficiencyCalc;
extern TDeviationCalc* DeviationCalc;
extern TStudyingTip* StudyingTip;
extern TLevelNames* LevelNames;

// Makes each object that does not exist yet.
void CreateAnalysisObjects();
void FreeAnalysisObjects();

// A new measurement: the counters of backspaces, efficiency and rhythm
// start again (the backspaces still waiting for their key are kept).
void ResetAnalysisObjects();
