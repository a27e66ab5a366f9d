#pragma once
// The editors' second message table, beside the engine's (ChartMessages.h):
// names of series, function and tool types, toolbar commands and their
// errors, kept with their exact wording for translation and later types.
// Entries that take arguments are formats for base::Format. The table is
// filled by the first start and emptied by the last stop (EditorEngine.h);
// outside that every entry is the empty text.
#include "base/Format.h"

#include <QString>

#include <initializer_list>

enum class EditorMsg : int {
  GalleryPolar,              // 0
  GalleryCandle,             // 1
  GalleryVolume,             // 2
  GallerySurface,            // 3
  GalleryContour,            // 4
  GalleryBezier,             // 5
  GalleryPoint3D,            // 6
  GalleryRadar,              // 7
  GalleryDonut,              // 8
  GalleryCursor,             // 9
  GalleryBar3D,              // 10
  GalleryBigCandle,          // 11
  GalleryLinePoint,          // 12
  GalleryHistogram,          // 13
  GalleryWaterFall,          // 14
  GalleryWindRose,           // 15
  GalleryClock,              // 16
  GalleryColorGrid,          // 17
  GalleryBoxPlot,            // 18
  GalleryHorizBoxPlot,       // 19
  GalleryBarJoin,            // 20
  GallerySmith,              // 21
  GalleryPyramid,            // 22
  GalleryMap,                // 23
  PolyDegreeRange,           // 24
  AnswerVectorIndex,         // 25
  CannotFit,                 // 26
  PeriodNegative,            // 27
  ExpAverageWeight,          // 28
  FunctionErrorBar,          // 29
  FunctionError,             // 30
  FunctionHighLow,           // 31
  FunctionMomentum,          // 32
  FunctionMomentumDiv,       // 33
  FunctionExpAverage,        // 34
  FunctionMovingAverage,     // 35
  FunctionExpMovingAverage,  // 36
  FunctionRsi,               // 37
  FunctionCurveFitting,      // 38
  FunctionTrend,             // 39
  FunctionExpTrend,          // 40
  FunctionLogTrend,          // 41
  FunctionCumulative,        // 42
  FunctionStdDeviation,      // 43
  FunctionBollinger,         // 44
  FunctionRootMeanSquare,    // 45
  FunctionMacd,              // 46
  FunctionStochastic,        // 47
  FunctionAdx,               // 48
  FunctionCount,             // 49
  OpenChartCaption,          // 50
  SaveChartCaption,          // 51
  ChartFilesFilter,          // 52
  GalleryOther,              // 53
  GalleryStats,              // 54
  NoSeriesEditorForm,        // 55
  ChartUrlError,             // 56
  SeriesUrlError,            // 57
  UrlTest,                   // 58
  ValueDate,                 // 59
  ValueOpen,                 // 60
  ValueHigh,                 // 61
  ValueLow,                  // 62
  ValueClose,                // 63
  ValueOffset,               // 64
  ValueStdError,             // 65
  GalleryGrid3D,             // 66
  BezierPointCount,          // 67
  ToolNormal,                // 68
  ToolEdit,                  // 69
  ToolPrint,                 // 70
  ToolCopy,                  // 71
  ToolSave,                  // 72
  Tool3D,                    // 73
  RotationHint,              // 74
  ToolRotate,                // 75
  OffsetHint,                // 76
  ToolMove,                  // 77
  ZoomHint,                  // 78
  ToolZoom,                  // 79
  Depth3DHint,               // 80
  ToolDepth,                 // 81
  ToolChart,                 // 82
  ToolPanel,                 // 83
  DragToRotate,              // 84
  DragToMove,                // 85
  DragToZoom,                // 86
  DragToResize3D,            // 87
  DragZoomScroll,            // 88
  DragPieSlice,              // 89
  SliceHint,                 // 90
  SurfacePointCount,         // 91
  ColinearPoints,            // 92
  SimilarPoints,             // 93
  GalleryTriangleSurface,    // 94
  AllSeries,                 // 95
  GalleryEdit,               // 96
  GalleryFinancial,          // 97
  ToolCursor,                // 98
  ToolDragMarks,             // 99
  ToolAxisArrows,            // 100
  ToolDrawLine,              // 101
  ToolNearestPoint,          // 102
  ToolColorBand,             // 103
  ToolColorLine,             // 104
  ToolRotateClass,           // 105
  ToolImage,                 // 106
  ToolMarkTips,              // 107
  CannotDeleteAncestor,      // 108
  LoadEllipsis,              // 109
  WebAccessNote,             // 110
  DemoChartAddress,          // 111
  NoSeriesSelected,          // 112
  CommandChart,              // 113
  CommandChartSeries,        // 114
  Command3D,                 // 115
  Command3DHint,             // 116
  CommandActive,             // 117
  CommandActiveHint,         // 118
  CommandEditHint,           // 119
  CommandEdit,               // 120
  CommandCopyHint,           // 121
  CommandCopy,               // 122
  CommandPrintHint,          // 123
  CommandPrint,              // 124
  CommandAxesHint,           // 125
  CommandAxes,               // 126
  CommandGridsHint,          // 127
  CommandGrids,              // 128
  CommandLegendHint,         // 129
  CommandLegend,             // 130
  CommandEditSeries,         // 131
  CommandMarksHint,          // 132
  CommandMarks,              // 133
  CommandSaveHint,           // 134
  CommandSave,               // 135
  ValueBar,                  // 136
  StyleNoOpen,               // 137
  StyleNoClose,              // 138
  StyleNoLines,              // 139
  StyleNoHigh,               // 140
  StyleNoLow,                // 141
  StyleColorRange,           // 142
  StyleWireframe,            // 143
  StyleDotFrame,             // 144
  StylePositions,            // 145
  StyleNoGrid,               // 146
  StyleNoPoint,              // 147
  StyleNoLine,               // 148
  StyleLabels,               // 149
  StyleNoCircle,             // 150
  StyleLines,                // 151
  StyleBorder,               // 152
  SmithResistance,           // 153
  SmithReactance,            // 154
  StyleColumn,               // 155
  StyleSeparator,            // 156
  SegmentPrefix,             // 157
  GalleryFunnel,             // 158
  FunnelPercentFormat,       // 159
  ExceedsQuota,              // 160
  WithinQuota,               // 161
  BelowQuota,                // 162
  GalleryCalendar,           // 163
  GalleryDeltaPoint,         // 164
  GalleryImagePoint,         // 165
  GalleryImageBar,           // 166
  SeriesTextFieldIndex,      // 167
  ValueOrigin,               // 168
  Transparency,              // 169
  ValueBox,                  // 170
  ValueExtrOut,              // 171
  ValueMildOut,              // 172
  ToolPageNumber,            // 173
  TextFileSource,            // 174
  Count
};

// The text of an entry; empty while the table is not filled.
const QString& EditorText(EditorMsg msg);

// The entry used as a format with `args`, in the user's locale.
QString EditorFormat(EditorMsg msg, std::initializer_list<base::FormatArg> args);

// Counted: only the first start fills the table, only the last stop empties it.
void StartEditorMessages();
void StopEditorMessages();
