#pragma once
// The dialog's bitmap table: every bitmap id with its size in pixels.

struct PictureSize {
    int id, width, height;
};

inline constexpr PictureSize kPictureSizes[] = {
    {131, 77, 25},   {133, 77, 25}, {134, 77, 25}, {136, 77, 25}, {137, 77, 25}, {130, 77, 25},
    {143, 92, 56},   {145, 92, 56}, {140, 55, 56}, {142, 55, 56}, {146, 90, 56}, {148, 90, 56},
    {154, 54, 56},   {149, 54, 56}, {151, 78, 56}, {153, 78, 56},
    {156, 639, 417},  // the background
    {157, 26, 26},    // the bullet
};
