// Ownership helpers for MCObArray members whose objects belong to the array's
// holder (the table language's variables, tables and correspondences).
// MCObArray itself owns nothing. Internal to MorvexBase.
#pragma once

#include "base/MCArray.h"
#include "base/MCObject.h"

// Deletes the objects from index `first` on and removes their slots.
inline void DeleteObjectsFrom(MCObArray& objects, int first) {
  for (int i = first; i < objects.GetSize(); ++i) delete objects[i];
  if (first < objects.GetSize()) objects.RemoveAt(first, objects.GetSize() - first);
}

// Appends an object that the array's holder then owns. When the array cannot
// grow the object is deleted and false returned.
inline bool AddOwned(MCObArray& objects, MCObject* object) {
  if (object == nullptr) return false;
  if (objects.Add(object) >= 0) return true;
  delete object;
  return false;
}
