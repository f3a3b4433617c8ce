/* Identifiers of the edit controls' message texts in the string table (read by the resource
   compiler as well, so only defines). */
#pragma once

#define cxSEditInvalidInput 61000
#define cxSEditValueOutOfBounds 61001
#define cxSEditRepositoryItemNotAcceptable 61002
#define cxSEditInvalidValue 61003
