#pragma once

// The fast frame's camera pass as GLSL 1.20: the fixed-function lighting of the shadow-mapped
// frame per vertex, twice (the dim light and the full light), and per pixel the shadow
// comparison that picks between them as the lit pass's alpha test does.
//
// The light reproduces GL_LIGHT1 as the frame sets it, positional, with the material that Init
// leaves (the vertex colour as ambient and diffuse, the front material's specular and
// shininess) and the light model's ambient; the viewer is at infinity, as OpenGL's default.
//
// One source, compiled in variants chosen by the settings (render/FastRenderSettings.h) with
// these macros before it, each 0 for the specified frame's picture:
//   FILTER      0 one comparison, kept or not as the lit pass does; 1 the same comparison
//               filtered by the hardware; 2 sixteen bilinear comparisons over a disc (PCF);
//               3 the disc widened by the distance to the occluders found first (soft).
//               From 1 on the lit and dim colours are mixed by the share of light.
//   CLAMPED     1: points outside the light's frustum are lit (a fitted frustum holds the model
//               alone, not the floor around it).
//   BALANCED    1: colour × (fill + (1 - fill) × diffuse), a faint highlight, shadow = fill.
//   FLOOR       0 the house; 1 the floor, unshadowed; 2 the floor, shadowed (texture 0).
//   CLASSIFY    1: instead of colours, the diffuse light where the pixel counts as lit and
//               black where it counts as shadowed (render/ShadowClassification.h).

// Uniforms: lightEyePosition (the light in eye coordinates), dimLightLevel (the dim light's
// ambient and diffuse), shadowTextureMatrix (world to shadow-map coordinates), fillLevel and
// highlightLevel (BALANCED); attributes: the built-in vertex (world frame), normal, colour and
// the floor's texture coordinates.
constexpr const char* kFastVertexShader = R"(
uniform vec3 lightEyePosition;
uniform float dimLightLevel;
uniform mat4 shadowTextureMatrix;
uniform float fillLevel;
uniform float highlightLevel;
varying vec4 dimColour;
varying vec4 litColour;
varying vec4 shadowCoordinates;
varying float diffuseLight;
varying vec2 floorCoordinates;

void main() {
    vec4 eyePosition = gl_ModelViewMatrix * gl_Vertex;
    vec3 normal = normalize(gl_NormalMatrix * gl_Normal);
    vec3 toLight = normalize(lightEyePosition - eyePosition.xyz);
    float diffuse = max(dot(normal, toLight), 0.0);
    float specular = 0.0;
    if (dot(normal, toLight) > 0.0) {
        vec3 halfway = normalize(toLight + vec3(0.0, 0.0, 1.0));
        specular = pow(max(dot(normal, halfway), 0.0), gl_FrontMaterial.shininess);
    }
    vec3 colour = gl_Color.rgb;
#if BALANCED
    dimColour = clamp(vec4(fillLevel * colour, gl_Color.a), 0.0, 1.0);
    litColour = clamp(vec4((fillLevel + (1.0 - fillLevel) * diffuse) * colour +
                           highlightLevel * specular * gl_FrontMaterial.specular.rgb,
                           gl_Color.a), 0.0, 1.0);
#else
    vec3 ambient = (gl_LightModel.ambient.rgb + vec3(dimLightLevel)) * colour;
    dimColour = clamp(vec4(ambient + dimLightLevel * diffuse * colour, gl_Color.a), 0.0, 1.0);
    litColour = clamp(vec4(ambient + diffuse * colour + specular * gl_FrontMaterial.specular.rgb,
                           gl_Color.a), 0.0, 1.0);
#endif
    diffuseLight = diffuse;
    shadowCoordinates = shadowTextureMatrix * gl_Vertex;
    floorCoordinates = gl_MultiTexCoord0.st;
    gl_Position = ftransform();
}
)";

// Samplers: shadowMap, the depth texture with the LEQUAL comparison (texture unit 1); depthMap,
// the same depths without comparison (unit 2, FILTER 3); floorTexture (unit 0, FLOOR). Uniforms:
// litAlphaThreshold (the lit pass's alpha test, render/FrameConstants.h), texelSize (1 / the
// map's side), filterRadius (texels, FILTER 2), penumbraScale (texels of penumbra per unit of
// (receiver - blocker) / blocker distance, FILTER 3), lightNear and lightFar (the light's depth
// range, FILTER 3), floorShadowLevel (what the floor keeps of its colour in shadow).
constexpr const char* kFastFragmentShader = R"(
uniform sampler2DShadow shadowMap;
uniform sampler2D depthMap;
uniform sampler2D floorTexture;
uniform float litAlphaThreshold;
uniform float texelSize;
uniform float filterRadius;
uniform float penumbraScale;
uniform float lightNear;
uniform float lightFar;
uniform float floorShadowLevel;
varying vec4 dimColour;
varying vec4 litColour;
varying vec4 shadowCoordinates;
varying float diffuseLight;
varying vec2 floorCoordinates;

#if FILTER >= 2
const vec2 disc[16] = vec2[16](
    vec2(-0.942, -0.399), vec2(0.946, -0.769), vec2(-0.094, -0.929), vec2(0.345, 0.294),
    vec2(-0.916, 0.458), vec2(-0.815, -0.879), vec2(-0.383, 0.277), vec2(0.975, 0.756),
    vec2(0.443, -0.975), vec2(0.537, -0.474), vec2(-0.265, -0.419), vec2(0.792, 0.191),
    vec2(-0.242, 0.997), vec2(-0.814, 0.914), vec2(0.200, 0.786), vec2(0.144, -0.141));

float filtered(vec3 p, float radius) {
    float sum = 0.0;
    for (int i = 0; i < 16; ++i)
        sum += shadow2D(shadowMap, vec3(p.xy + disc[i] * radius * texelSize, p.z)).r;
    return sum / 16.0;
}
#endif

#if FILTER == 3
float distanceFromLight(float depth) {
    return lightNear * lightFar / (lightFar - depth * (lightFar - lightNear));
}

float soft(vec3 p) {
    float blockers = 0.0, count = 0.0;
    for (int i = 0; i < 16; ++i) {
        float depth = texture2D(depthMap, p.xy + disc[i] * 2.0 * filterRadius * texelSize).r;
        if (depth < p.z) {
            blockers += depth;
            count += 1.0;
        }
    }
    if (count == 0.0) return 1.0;
    float receiver = distanceFromLight(p.z), blocker = distanceFromLight(blockers / count);
    float radius = clamp(penumbraScale * (receiver - blocker) / blocker, 1.0, 4.0 * filterRadius);
    return filtered(p, radius);
}
#endif

// The share of light at this point, 0 ... 1.
float visibility() {
#if CLAMPED || FILTER >= 2
    if (shadowCoordinates.w <= 0.0) return 1.0;
    vec3 p = shadowCoordinates.xyz / shadowCoordinates.w;
#if CLAMPED
    if (p.x < 0.0 || p.x > 1.0 || p.y < 0.0 || p.y > 1.0) return 1.0;
    p.z = min(p.z, 1.0);
#endif
#if FILTER == 3
    return soft(p);
#elif FILTER == 2
    return filtered(p, filterRadius);
#else
    return shadow2D(shadowMap, p).r;
#endif
#else
    return shadow2DProj(shadowMap, shadowCoordinates).r;
#endif
}

void main() {
#if FLOOR
    float light = FLOOR == 2 ? visibility() : 1.0;
#if CLASSIFY
    gl_FragColor = vec4(vec3(light >= 0.5 ? 1.0 : 0.0), 1.0);
#else
    vec4 base = texture2D(floorTexture, floorCoordinates);
    gl_FragColor = vec4(base.rgb * mix(floorShadowLevel, 1.0, light), 1.0);
#endif
#else
    float light = visibility();
#if FILTER >= 1
    bool lit = litColour.a >= litAlphaThreshold && light >= 0.5;
    vec4 colour = litColour.a >= litAlphaThreshold ? mix(dimColour, litColour, light) : dimColour;
#else
    vec4 kept = litColour * light;
    bool lit = kept.a >= litAlphaThreshold;
    vec4 colour = lit ? kept : dimColour;
#endif
#if CLASSIFY
    gl_FragColor = vec4(vec3(lit ? diffuseLight : 0.0), 1.0);
#else
    gl_FragColor = colour;
#endif
#endif
}
)";
