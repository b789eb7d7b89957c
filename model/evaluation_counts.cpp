#include "model/evaluation_counts.h"

#ifdef QUORVEX_COUNT_EVALUATIONS
EvaluationCounts g_evaluationCounts = {};
#endif
