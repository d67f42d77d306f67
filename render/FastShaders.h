#pragma once

// The fast frame's camera pass as GLSL 1.20: the fixed-function lighting of the shadow-mapped
// frame per vertex, twice (the dim light and the full light), and per pixel the shadow
// comparison that picks between them as the lit pass's alpha test does.
//
// The light reproduces GL_LIGHT1 as the frame sets it, positional, with the material that Init
// leaves (the vertex colour as ambient and diffuse, the front material's specular and
// shininess) and the light model's ambient; the viewer is at infinity, as OpenGL's default.

// Uniforms: lightEyePosition (the light in eye coordinates), dimLightLevel (the dim light's
// ambient and diffuse), shadowTextureMatrix (world to shadow-map coordinates); attributes: the
// built-in vertex (world frame), normal and colour.
constexpr const char* kFastVertexShader = R"(#version 120
uniform vec3 lightEyePosition;
uniform float dimLightLevel;
uniform mat4 shadowTextureMatrix;
varying vec4 dimColour;
varying vec4 litColour;
varying vec4 shadowCoordinates;

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
    vec3 ambient = (gl_LightModel.ambient.rgb + vec3(dimLightLevel)) * colour;
    dimColour = clamp(vec4(ambient + dimLightLevel * diffuse * colour, gl_Color.a), 0.0, 1.0);
    litColour = clamp(vec4(ambient + diffuse * colour + specular * gl_FrontMaterial.specular.rgb,
                           gl_Color.a), 0.0, 1.0);
    shadowCoordinates = shadowTextureMatrix * gl_Vertex;
    gl_Position = ftransform();
}
)";

// Sampler: shadowMap, the depth texture with the LEQUAL comparison. The lit colour is modulated
// by the comparison (0 in shadow, 1 in light) and kept where its alpha reaches litAlphaThreshold
// (the lit pass's alpha test, render/FrameConstants.h).
constexpr const char* kFastFragmentShader = R"(#version 120
uniform sampler2DShadow shadowMap;
uniform float litAlphaThreshold;
varying vec4 dimColour;
varying vec4 litColour;
varying vec4 shadowCoordinates;

void main() {
    vec4 lit = litColour * shadow2DProj(shadowMap, shadowCoordinates).r;
    gl_FragColor = lit.a >= litAlphaThreshold ? lit : dimColour;
}
)";
