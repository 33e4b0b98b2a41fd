#pragma once

// Captions and messages the materials editor's handlers share.

namespace porvap::editor {

inline constexpr const char* kNoticeCaption = "Porvap 2.0";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kCatalogNotWritten = "Couldn't write materiais.cfg";
inline constexpr const char* kIncludeCaption = "&Include";
inline constexpr const char* kChangeCaption = "&Change";
inline constexpr const char* kNoValue = "...";

}  // namespace porvap::editor
